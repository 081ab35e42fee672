#pragma once

#include "controls/base/CQvControl.h"
#include "platform/com/DispatchTable.h"

#include <QDialog>
#include <QPainter>

#include <functional>
#include <stdexcept>

// A control of the suite with only what the base gives: MousePointer
// (dispid 1) and MouseIcon (48) as the suite's controls attach them, and
// AboutBox. It records its primary verbs and keys, and answers its modal
// dialogs through a script.
class ProbeControl final : public controls::CQvControl {
public:
    static constexpr com::Guid events{0x5A1E0010, 0x7C3B, 0x4E21, {0x9A, 0x11, 0x20, 0x01, 0x04, 0x17, 0x00, 0x10}};
    static constexpr com::DispId dispMousePointer = 1;
    static constexpr com::DispId dispMouseIcon = 48;

    ProbeControl() : CQvControl(events) {}

    // Answers every modal dialog of the probes of this test.
    static inline std::function<int(QDialog&)> answerDialog = [](QDialog&) { return QDialog::Accepted; };
    static inline int made = 0;

    int primaryVerbs = 0;
    int keysHandled = 0;
    // Draws a mark in its bottom right corner, so a picture of it shows how
    // it was scaled.
    bool markCorner = false;
    static inline const QColor markColour{0, 255, 0};
    // Every handler of its window fails with an exception.
    bool faulty = false;
    int handled = 0;

    void onKeyDown(QKeyEvent&) override
    {
        ++keysHandled;
        fail();
    }
    void onKeyUp(QKeyEvent&) override { fail(); }
    void onMousePress(QMouseEvent&) override { fail(); }
    void onMouseRelease(QMouseEvent&) override { fail(); }
    void onMouseMove(QMouseEvent&) override { fail(); }
    void onFocusIn(QFocusEvent&) override { fail(); }
    void onFocusOut(QFocusEvent&) override { fail(); }
    void onDraw(QPainter& painter, const QRect& bounds, const QRect& invalid) override
    {
        CQvControl::onDraw(painter, bounds, invalid);
        if (markCorner)
            painter.fillRect(QRect(bounds.right() - 9, bounds.bottom() - 5, 10, 6), markColour);
        fail();
    }

protected:
    com::Result ownIdOfName(const QString& name, com::DispId* id) override { return table().idOfName(name, id); }
    com::Result invokeOwn(com::DispId id, com::InvokeKind kind, std::span<com::Variant> args, com::Variant* result,
                          com::ErrorInfo* info) override
    {
        return table().invoke(*this, id, kind, args, result, info);
    }
    com::Result onPrimaryVerb() override
    {
        ++primaryVerbs;
        return com::kOk;
    }
    CQvControl* newInstance() const override
    {
        ++made;
        return new ProbeControl;
    }
    int runModal(QDialog& dialog) override { return answerDialog(dialog); }

private:
    void fail()
    {
        ++handled;
        if (faulty)
            throw std::out_of_range("a fault in the control's own handling");
    }

    static const com::DispatchTable<ProbeControl>& table()
    {
        using namespace com;
        static const Member<ProbeControl> members[] = {
            {dispMousePointer, "MousePointer", [](ProbeControl& c) { return Variant::i2(c.mousePointer()); },
             [](ProbeControl& c, const Variant& v) { c.setMousePointer(argI2(v), dispMousePointer); }},
            {dispMouseIcon, "MouseIcon",
             [](ProbeControl& c) { return Variant::object(c.GetMouseIcon().get(), VarType::Dispatch); },
             [](ProbeControl& c, const Variant& v) {
                 auto picture = Ptr<Picture>::query(v.object());
                 if (v.object() && !picture)
                     throw AutomationError{kTypeMismatch, {}, 0};
                 c.SetMouseIcon(picture.get());
                 c.boundPropertyChanged(dispMouseIcon);
             }},
            {controls::stock::aboutBox, "AboutBox", nullptr, nullptr, [](ProbeControl& c, std::span<Variant>) {
                 c.AboutBox();
                 return Variant();
             }},
        };
        static const DispatchTable<ProbeControl> table{members};
        return table;
    }
};
