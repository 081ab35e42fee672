#pragma once

#include "controls/base/CQvControl.h"
#include "platform/com/DispatchTable.h"

#include <QDialog>

#include <functional>

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

    void onKeyDown(QKeyEvent&) override { ++keysHandled; }

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
