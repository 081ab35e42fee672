#include "controls/base/HostedControl.h"

#include "controls/base/BagExchange.h"
#include "controls/base/ControlAccessible.h"
#include "controls/base/ControlWindow.h"
#include "controls/base/StreamExchange.h"
#include "controls/runtime/Colors.h"
#include "platform/com/DispatchTable.h"
#include "platform/core/Units.h"

#include <QIODevice>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <QtEndian>

namespace controls {

using namespace com;

namespace {

constexpr int kLargestSide = 32767;

const DispatchTable<HostedControl>& stockTable()
{
    static const Member<HostedControl> members[] = {
        {stock::backColor, "BackColor", [](HostedControl& c) { return Variant::i4(std::int32_t(c.backColor())); },
         [](HostedControl& c, const Variant& v) { c.setBackColor(std::uint32_t(argI4(v))); }},
        {stock::foreColor, "ForeColor", [](HostedControl& c) { return Variant::i4(std::int32_t(c.foreColor())); },
         [](HostedControl& c, const Variant& v) { c.setForeColor(std::uint32_t(argI4(v))); }},
        {stock::enabled, "Enabled", [](HostedControl& c) { return Variant::boolean(c.enabled()); },
         [](HostedControl& c, const Variant& v) { c.setEnabled(argBool(v)); }},
        {stock::hWnd, "hWnd",
         [](HostedControl& c) { return Variant::i4(c.window() ? std::int32_t(c.window()->winId() & 0x7FFFFFFF) : 0); }},
        {stock::refresh, "Refresh", nullptr, nullptr,
         [](HostedControl& c, std::span<Variant>) {
             if (c.window())
                 c.window()->repaint();
             return Variant();
         }},
    };
    static const DispatchTable<HostedControl> table{members};
    return table;
}

} // namespace

HostedControl::HostedControl(const Guid& eventInterface) : events_(make<EventSource>(eventInterface))
{
    font_.setPointSizeF(8.25);
}

HostedControl::~HostedControl()
{
    delete window_.data();
}

Result HostedControl::idOfName(const QString& name, DispId* id)
{
    const Result own = ownIdOfName(name, id);
    if (own != kUnknownName)
        return own;
    return stockTable().idOfName(name, id);
}

Result HostedControl::invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant* result, ErrorInfo* info)
{
    const Result own = invokeOwn(id, kind, args, result, info);
    if (own != kMemberNotFound)
        return own;
    return stockTable().invoke(*this, id, kind, args, result, info);
}

Result HostedControl::ownIdOfName(const QString&, DispId* id)
{
    if (id)
        *id = kDispIdUnknown;
    return kUnknownName;
}

Result HostedControl::invokeOwn(DispId, InvokeKind, std::span<Variant>, Variant*, ErrorInfo*)
{
    return kMemberNotFound;
}

Result HostedControl::findConnectionPoint(const Guid& eventInterface, ConnectionPoint** out)
{
    if (!out)
        return kNullPointer;
    *out = nullptr;
    Guid offered;
    events_->eventInterface(&offered);
    if (eventInterface != offered)
        return kNoConnection;
    events_->addRef();
    *out = events_.get();
    return kOk;
}

Result HostedControl::setSite(ControlSite* site)
{
    site_ = Ptr<ControlSite>(site);
    return kOk;
}

Result HostedControl::createWindow(QWidget* parent, const QRect& rect, QWidget** window)
{
    return guarded([&] {
        if (!window_) {
            window_ = new ControlWindow(*this, parent);
            window_->setEnabled(enabled_);
            window_->setFont(font_);
        } else if (window_->parentWidget() != parent) {
            window_->setParent(parent);
        }
        window_->setGeometry(rect);
        size_ = rect.size();
        if (window)
            *window = window_;
        return kOk;
    });
}

Result HostedControl::destroyWindow()
{
    delete window_.data();
    return kOk;
}

Result HostedControl::doVerb(int verb)
{
    return guarded([&] {
        if (verb == kVerbPrimary)
            return onPrimaryVerb();
        if (verb == kVerbProperties)
            return onProperties();
        return kNotImplemented;
    });
}

Result HostedControl::displayString(DispId id, QString* text)
{
    if (!text)
        return kNullPointer;
    if (id == stock::font) {
        *text = QStringLiteral("%1, %2pt").arg(font_.family()).arg(font_.pointSizeF());
        return kOk;
    }
    return kFalse;
}

Result HostedControl::drawTo(QPainter* painter, const QRect& bounds)
{
    if (!painter)
        return kNullPointer;
    return guarded([&] {
        // Drawn once at its own size, then stretched to the bounds, so a
        // picture of the control looks as the control does.
        // Never more pixels than the picture shows: a control larger than
        // the bounds (a damaged stored extent may say any size) is drawn at
        // most at the bounds' size.
        const QSize size = controlSize().boundedTo(bounds.size());
        if (size.isEmpty())
            return kOk;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter imagePainter(&image);
            imagePainter.setFont(font_);
            onDraw(imagePainter, image.rect(), image.rect());
        }
        painter->drawImage(bounds, image);
        return kOk;
    });
}

Result HostedControl::pages(std::vector<Guid>* classes)
{
    if (!classes)
        return kNullPointer;
    return guarded([&] {
        *classes = propertyPageClasses();
        return kOk;
    });
}

Result HostedControl::clientSite(ControlSite** out)
{
    if (!out)
        return kNullPointer;
    *out = site_.get();
    if (!*out)
        return kFailed;
    site_->addRef();
    return kOk;
}

Result HostedControl::userType(QString* out)
{
    if (!out)
        return kNullPointer;
    *out = userTypeName();
    return out->isEmpty() ? kFailed : kOk;
}

Result HostedControl::getWindow(QWidget** out)
{
    if (!out)
        return kNullPointer;
    *out = window_;
    return *out ? kOk : kFailed;
}

Result HostedControl::initNew()
{
    return guarded([&] {
        ResetExchange reset;
        doPropExchange(reset);
        onResetState();
        setModifiedFlag(false);
        invalidate();
        return kOk;
    });
}

Result HostedControl::load(QIODevice* stream)
{
    if (!stream)
        return kNullPointer;
    return guarded([&] {
        // A stream of another version, or too short to say, is no stream of
        // this control: it is refused before anything is changed.
        const QByteArray head = stream->peek(4);
        if (head.size() != 4 || qFromLittleEndian<quint32>(head.constData()) != persistedVersion())
            return kStreamRefused;
        StreamExchange exchange(stream, StreamExchange::Mode::Load);
        doPropExchange(exchange);
        setModifiedFlag(false);
        invalidate();
        return exchange.failed() ? kFalse : kOk;
    });
}

Result HostedControl::save(QIODevice* stream, bool clearDirty)
{
    if (!stream)
        return kNullPointer;
    return guarded([&] {
        StreamExchange exchange(stream, StreamExchange::Mode::Save);
        doPropExchange(exchange);
        if (clearDirty)
            setModifiedFlag(false);
        return kOk;
    });
}

Result HostedControl::load(const QVariantMap& bag)
{
    return guarded([&] {
        QVariantMap copy = bag;
        BagExchange exchange(&copy, false);
        doPropExchange(exchange);
        setModifiedFlag(false);
        invalidate();
        return kOk;
    });
}

Result HostedControl::save(QVariantMap* bag, bool clearDirty)
{
    if (!bag)
        return kNullPointer;
    return guarded([&] {
        BagExchange exchange(bag, true);
        doPropExchange(exchange);
        if (clearDirty)
            setModifiedFlag(false);
        return kOk;
    });
}

void HostedControl::doPropExchange(PropExchange& exchange)
{
    auto toHimetric = [](int pixels) {
        return qRound(pixels * double(platform::himetricPerInch) / platform::designPixelsPerInch);
    };
    QSize himetric(toHimetric(size_.width()), toHimetric(size_.height()));
    exchange.extent(himetric, himetric);
    if (exchange.isLoading() && himetric.width() > 0 && himetric.height() > 0 && !window_) {
        // No window is wider or taller than 16-bit coordinates reach; a
        // larger stored extent is damage, and the control keeps its size.
        const QSize pixels(qvrun::xHimetricToPixels(himetric.width()), qvrun::yHimetricToPixels(himetric.height()));
        if (pixels.width() > 0 && pixels.height() > 0 && pixels.width() <= kLargestSide
            && pixels.height() <= kLargestSide)
            size_ = pixels;
    }
    exchange.colorValue("BackColor", backColor_, 0x8000000F);
    std::int32_t enabled = enabled_ ? 1 : 0;
    exchange.boolValue("Enabled", enabled, 1);
    enabled_ = enabled != 0;
    QFont fallback;
    fallback.setPointSizeF(8.25);
    exchange.fontValue("Font", font_, fallback);
    exchange.colorValue("ForeColor", foreColor_, 0x80000012);
    if (exchange.isLoading() && window_) {
        window_->setEnabled(enabled_);
        window_->setFont(font_);
    }
}

bool HostedControl::ambientUserMode() const
{
    return site_ ? site_->userMode() : true;
}

QString HostedControl::ambientDisplayName() const
{
    return site_ ? site_->displayName() : QString();
}

void HostedControl::boundPropertyChanged(DispId id)
{
    if (site_)
        site_->propertyChanged(id);
    setModifiedFlag();
    announceChange();
}

void HostedControl::fireEvent(DispId event, std::span<Variant> args)
{
    events_->fire(event, args);
}

void HostedControl::setBackColor(std::uint32_t color)
{
    backColor_ = color;
    onBackColorChanged();
}

void HostedControl::setForeColor(std::uint32_t color)
{
    foreColor_ = color;
    onForeColorChanged();
}

void HostedControl::setEnabled(bool enabled)
{
    enabled_ = enabled;
    onEnabledChanged();
}

void HostedControl::setFont(const QFont& font)
{
    font_ = font;
    onFontChanged();
}

QSize HostedControl::controlSize() const
{
    return window_ ? window_->size() : size_;
}

void HostedControl::onDraw(QPainter& painter, const QRect& bounds, const QRect&)
{
    painter.fillRect(bounds, qvrun::toColor(backColor_));
}

bool HostedControl::preTranslateKey(const QKeyEvent&)
{
    return false;
}

void HostedControl::onKeyDown(QKeyEvent& key)
{
    key.ignore();
}
void HostedControl::onKeyUp(QKeyEvent& key)
{
    key.ignore();
}

void HostedControl::onSetCursor()
{
    defaultCursor();
}

void HostedControl::defaultCursor()
{
    if (window_)
        window_->unsetCursor();
}

void HostedControl::onBackColorChanged()
{
    boundPropertyChanged(stock::backColor);
    invalidate();
}

void HostedControl::onForeColorChanged()
{
    boundPropertyChanged(stock::foreColor);
    invalidate();
}

void HostedControl::onEnabledChanged()
{
    if (window_)
        window_->setEnabled(enabled_);
    boundPropertyChanged(stock::enabled);
    invalidate();
}

void HostedControl::onFontChanged()
{
    if (window_)
        window_->setFont(font_);
    boundPropertyChanged(stock::font);
    invalidate();
}

void HostedControl::preModalDialog()
{
    if (site_)
        site_->modalDialog(true);
}

void HostedControl::postModalDialog()
{
    if (site_)
        site_->modalDialog(false);
}

void HostedControl::invalidate()
{
    if (window_)
        window_->update();
    announceChange();
}

void HostedControl::announceChange()
{
    if (window_ && accessibleAnnouncementsHeard())
        static_cast<ControlWindow*>(window_.data())->announceText();
}

} // namespace controls
