#pragma once

#include "platform/core/Errors.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace forms {

// Controls that share a name and one set of steps, told apart by index.
// The window owns the controls (through their Qt parent); the array only
// finds them. A step connected with on() receives the element's index before
// the signal's own arguments, also for elements added later.
template <typename T>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Throws 360 when the index is taken.
    T* add(int index, T* control)
    {
        if (contains(index))
            throw platform::errors::controlArrayElementLoaded();
        elements_[index] = control;
        for (const auto& bind : binders_)
            bind(index, control);
        return control;
    }

    // Destroys the element (a window unloading one element it loaded).
    void remove(int index)
    {
        T* control = (*this)[index];
        elements_.erase(index);
        delete control;
    }

    // Throws 340 for an index with no element.
    T* operator[](int index) const
    {
        const auto found = elements_.find(index);
        if (found == elements_.end() || found->second.isNull())
            throw platform::errors::controlArrayElementMissing(index);
        return found->second.data();
    }
    T* at(int index) const { return (*this)[index]; }

    bool contains(int index) const
    {
        const auto found = elements_.find(index);
        return found != elements_.end() && !found->second.isNull();
    }
    int count() const
    {
        int alive = 0;
        for (const auto& element : elements_)
            alive += element.second.isNull() ? 0 : 1;
        return alive;
    }
    int lbound() const { return indexes().empty() ? 0 : indexes().front(); }
    int ubound() const { return indexes().empty() ? -1 : indexes().back(); }
    std::vector<int> indexes() const
    {
        std::vector<int> result;
        for (const auto& element : elements_) {
            if (!element.second.isNull())
                result.push_back(element.first);
        }
        return result;
    }

    // on(&CommandButton::click, [this](int index) { cmdBank_Click(index); });
    // on(&TextBox::keyPress, [this](int index, int& keyAscii) { ... });
    template <typename Signal, typename Step>
    void on(Signal signal, Step step)
    {
        auto bind = [signal, step](int index, T* control) {
            QObject::connect(control, signal, control,
                             [step, index](auto&&... args) { step(index, std::forward<decltype(args)>(args)...); });
        };
        for (const auto& element : elements_) {
            if (!element.second.isNull())
                bind(element.first, element.second.data());
        }
        binders_.push_back(bind);
    }

private:
    std::map<int, QPointer<T>> elements_;
    std::vector<std::function<void(int, T*)>> binders_;
};

} // namespace forms
