#include "controls/base/CQvControl.h"

#include "controls/base/CursorTable.h"
#include "controls/base/PropExchange.h"
#include "controls/locale/LocaleExports.h"
#include "controls/runtime/AboutDialog.h"
#include "controls/runtime/Colors.h"
#include "platform/com/AutomationError.h"
#include "platform/com/LibraryCheck.h"

#include <QCursor>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <dlfcn.h>

namespace controls {

using namespace com;

namespace {

// AboutBox calls in progress in this control library.
int aboutBoxesOpen = 0;

constexpr int kStringBytes = 256;

QString runtimeFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&qvrun::translateColor), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

} // namespace

QString CQvControl::localeLibraryPath()
{
    if (qEnvironmentVariableIsSet(localeVariable))
        return qEnvironmentVariable(localeVariable);
    return runtimeFolder() + QStringLiteral("/QVLOCALE.so");
}

CQvControl::CQvControl(const Guid& eventInterface)
    : HostedControl(eventInterface), mouseIcon_(makePicture(PictureType::None))
{
    // Each control holds the locale library for its lifetime; the loader's
    // own count keeps it mapped while any control lives. A damaged file would
    // fault inside the loader, so the control goes without it, as when it is
    // missing.
    const QString locale = localeLibraryPath();
    if (!com::damagedLibrary(locale))
        locale_ = dlopen(QFile::encodeName(locale).constData(), RTLD_NOW | RTLD_LOCAL);
}

CQvControl::~CQvControl()
{
    if (locale_)
        dlclose(locale_);
}

void CQvControl::requireRunMode() const
{
    if (!ambientUserMode())
        throw AutomationError{automationError(394), QStringLiteral("Get not supported"), 0};
}

void CQvControl::RaiseSuiteError(int number) const
{
    if (!locale_)
        throw AutomationError{kLocaleMissingCode, QString::fromLatin1(kLocaleMissingText), 0};
    int offset = 0;
    if (auto getLocale = reinterpret_cast<QvGetLocaleEntry>(dlsym(locale_, "QvGetLocale")))
        offset = getLocale();
    char text[kStringBytes] = {};
    if (auto loadString = reinterpret_cast<QvLoadStringEntry>(dlsym(locale_, "QvLoadString")))
        loadString(number + offset, text, kStringBytes);
    text[kStringBytes - 1] = '\0';
    throw AutomationError{automationError(number), QString::fromLatin1(text), -1};
}

void CQvControl::setMousePointer(std::int16_t value, DispId dispid)
{
    // Checked before it is kept: a refused value never reaches the cursor
    // look-up or a saved control.
    if (!isValidMousePointer(value))
        RaiseSuiteError(kInvalidPropertyValue);
    mousePointer_ = value;
    if (window() && window()->underMouse())
        onSetCursor();
    boundPropertyChanged(dispid);
}

void CQvControl::loadMousePointer(std::int16_t value)
{
    mousePointer_ = isValidMousePointer(value) ? value : kPointerDefault;
}

void CQvControl::exchangeMousePointer(PropExchange& exchange, std::int16_t& pointer)
{
    exchange.shortValue("MousePointer", pointer, 0);
    if (exchange.isLoading()) {
        // A stored pointer outside the cursor table is neither used nor kept.
        loadMousePointer(pointer);
        pointer = mousePointer();
    }
}

Ptr<Picture> CQvControl::GetMouseIcon() const
{
    if (ambientUserMode() && mouseIcon_->type() == PictureType::Uninitialized)
        return makePicture(PictureType::None);
    return mouseIcon_;
}

void CQvControl::SetMouseIcon(Picture* picture)
{
    const PictureType type = picture ? picture->type() : PictureType::None;
    if (type != PictureType::Icon && type != PictureType::None && type != PictureType::Uninitialized)
        RaiseSuiteError(kInvalidPropertyValue);
    mouseIcon_ = picture ? Ptr<Picture>(picture) : makePicture(PictureType::None);
}

std::optional<QBrush> CQvControl::OnOcmCtlColor(QPainter& painter) const
{
    painter.setBackground(qvrun::toColor(backColor()));
    painter.setPen(qvrun::toColor(foreColor()));
    return backgroundBrush_;
}

void CQvControl::onBackColorChanged()
{
    backgroundBrush_ = QBrush(qvrun::toColor(backColor()));
    HostedControl::onBackColorChanged();
}

void CQvControl::AboutBox()
{
    int result = 0;
    if (aboutBoxesOpen != 0) {
        ShowAboutBox();
        return;
    }
    ++aboutBoxesOpen;
    struct Lower {
        ~Lower() { --aboutBoxesOpen; }
    } lower;
    {
        Ptr<CQvControl> fresh(newInstance());
        result = fresh->ShowAboutBox();
    }
    if (result == qvrun::kAboutShowProperties)
        doVerb(kVerbPrimary);
}

int CQvControl::ShowAboutBox()
{
    qvrun::CQvAboutDlg dialog(window());
    preModalDialog();
    const int result = runModal(dialog);
    postModalDialog();
    return result;
}

int CQvControl::runModal(QDialog& dialog)
{
    return dialog.exec();
}

Result CQvControl::displayString(DispId id, QString* text)
{
    // The container shows its own text for the font.
    if (id == stock::font)
        return kFalse;
    return HostedControl::displayString(id, text);
}

bool CQvControl::preTranslateKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        return true;
    default:
        return HostedControl::preTranslateKey(key);
    }
}

void CQvControl::onSetCursor()
{
    if (mousePointer_ == kPointerDefault || !ambientUserMode() || !window()) {
        defaultCursor();
        return;
    }
    if (mousePointer_ == kPointerCustom) {
        // Without a picture the cursor stays what it was.
        const QImage icon = mouseIcon_->image();
        if (!icon.isNull())
            window()->setCursor(QCursor(QPixmap::fromImage(icon)));
        return;
    }
    if (const auto shape = cursorShapeFor(mousePointer_))
        window()->setCursor(*shape);
}

} // namespace controls
