#include "controls/optionbutton/CQv3dOptionCtrl.h"

#include "controls/base/PropExchange.h"
#include "controls/optionbutton/OptionWindowHooks.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/AutomationError.h"

#include <QAccessible>
#include <QShortcut>
#include <QStringEncoder>
#include <QWidget>

namespace qv3dopt {

using namespace com;

namespace {

Ptr<Picture> emptyPicture()
{
    return makePicture(PictureType::None);
}

// The frame's properties as this control numbers them.
constexpr controls::FrameIds kFrameIds{.borderColor = dispid::BorderColor,
                                       .fillColor = dispid::FillColor,
                                       .lightColor = dispid::LightColor,
                                       .shadowColor = dispid::ShadowColor,
                                       .textColor = dispid::TextColor,
                                       .alignment = dispid::Alignment,
                                       .bevelSize = dispid::BevelSize,
                                       .bevelStyle = dispid::BevelStyle,
                                       .borderStyle = dispid::BorderStyle,
                                       .fontStyle = dispid::FontStyle};

} // namespace

CQv3dOptionCtrl::CQv3dOptionCtrl() : CQvControl(eventsInterface)
{
    picture_ = pictureChecked_ = pictureUnchecked_ = picturePressed_ = pictureGrayed_ = emptyPicture();
    ResetOptionProperties();
    suppressClick_ = false;
}

CQv3dOptionCtrl::~CQv3dOptionCtrl()
{
    // The window goes before the hooks that watch it.
    CQvControl::destroyWindow();
}

void CQv3dOptionCtrl::ResetOptionProperties()
{
    const QByteArray caption = p_.caption;
    p_ = Properties{};
    p_.caption = caption;
    p_.autoSize = -1;
    p_.boxSize = 13;
    p_.borderColor = 0x80000006;
    p_.fillColor = 0x8000000F;
    p_.fontTransparent = -1;
    p_.lightColor = 0x80000014;
    p_.shadowColor = 0x80000010;
    p_.textColor = 0x80000012;
    picture_ = pictureChecked_ = pictureUnchecked_ = picturePressed_ = pictureGrayed_ = emptyPicture();
    mousePressed_ = false;
}

void CQv3dOptionCtrl::onResetState()
{
    ResetOptionProperties();
    // A new button shows the name its container gave it.
    if (site()) {
        QStringEncoder encoder("Windows-1252");
        p_.caption = encoder(site()->displayName());
    }
    OnTextChanged();
}

QString CQv3dOptionCtrl::userTypeName() const
{
    return QString::fromLatin1(controlTypeName);
}

Ptr<Picture>& CQv3dOptionCtrl::pictureHolder(int id)
{
    switch (id) {
    case dispid::PictureChecked:
        return pictureChecked_;
    case dispid::PictureUnchecked:
        return pictureUnchecked_;
    case dispid::PicturePressed:
        return picturePressed_;
    case dispid::PictureGrayed:
    case dispid::PictureGreyed:
        return pictureGrayed_;
    default:
        return picture_;
    }
}

Ptr<Picture> CQv3dOptionCtrl::picture(int id)
{
    Ptr<Picture>& held = pictureHolder(id);
    if (!held || held->type() == PictureType::Uninitialized)
        held = emptyPicture();
    return held;
}

void CQv3dOptionCtrl::setPicture(int id, Picture* picture, int announced)
{
    pictureHolder(id) = picture ? Ptr<Picture>(picture) : emptyPicture();
    changed(announced);
}

void CQv3dOptionCtrl::changed(int id)
{
    boundPropertyChanged(id);
    invalidate();
    if (id == dispid::Value && window()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(window(), checked);
        QAccessible::updateAccessibility(&event);
    }
}

void CQv3dOptionCtrl::setShort(int id, std::int16_t v)
{
    auto ranged = [&](std::int16_t& member, int lowest, int highest) {
        if (!controls::within(v, lowest, highest))
            refuse();
        member = v;
        changed(id);
    };
    if (const auto frame = controls::frameShort(p_, kFrameIds, id))
        return ranged(*frame->member, frame->lowest, frame->highest);
    switch (id) {
    case dispid::MousePointer:
        // Checked before it is kept, and announced as itself.
        setMousePointer(v, id);
        p_.mousePointer = v;
        invalidate();
        return;
    case dispid::BoxSize:
        return ranged(p_.boxSize, 0, INT16_MAX);
    case dispid::WallPaper:
        return ranged(p_.wallPaper, 0, 2);
    case dispid::BoxAlignment:
        return ranged(p_.boxAlignment, 0, 1);
    case dispid::Group:
        return ranged(p_.group, 0, INT16_MAX);
    case dispid::DataStyle:
        return ranged(p_.dataStyle, 0, 1);
    default:
        throw AutomationError{kMemberNotFound, {}, 0};
    }
}

void CQv3dOptionCtrl::setColor(int id, std::uint32_t v)
{
    std::uint32_t* color = controls::frameColor(p_, kFrameIds, id);
    if (!color)
        throw AutomationError{kMemberNotFound, {}, 0};
    *color = v;
    changed(id);
}

void CQv3dOptionCtrl::setBool(int id, std::int32_t v)
{
    switch (id) {
    case dispid::AutoSize:
        p_.autoSize = v;
        break;
    case dispid::FontTransparent:
        p_.fontTransparent = v;
        break;
    case dispid::Multiline:
        p_.multiline = v;
        break;
    case dispid::CheckBox2d:
        p_.checkBox2d = v;
        break;
    case dispid::DataStyleCaseSens:
        p_.dataStyleCaseSens = v;
        break;
    default:
        throw AutomationError{kMemberNotFound, {}, 0};
    }
    changed(id);
}

void CQv3dOptionCtrl::setValue(std::int16_t v)
{
    // A container's TRUE (-1) selects the button like 1.
    if (v == -1)
        v = 1;
    if (!controls::within(v, 0, 1))
        refuse();
    if (v == p_.value)
        return;
    // The rest of the group is cleared before this button shows selected.
    if (v == 1)
        SelectInGroup(1);
    p_.value = v;
    changed(dispid::Value);
    if (p_.value == 1 && !suppressClick_)
        fireSimple(event::Click);
}

void CQv3dOptionCtrl::setCaption(const QByteArray& caption)
{
    p_.caption = caption.left(controls::kMaxTextLength);
    OnTextChanged();
    changed(dispid::Caption);
}

void CQv3dOptionCtrl::setDataText(const QByteArray& text)
{
    p_.dataText = text.left(controls::kMaxTextLength);
    changed(dispid::DataText);
}

void CQv3dOptionCtrl::fireSimple(int id)
{
    fireEvent(id);
}

} // namespace qv3dopt
