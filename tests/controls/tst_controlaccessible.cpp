// What a control's window tells a screen reader: the role and text its
// control gives, and an announcement each time that text changes or its
// caret moves, never when they stay. The announcements are heard through the controls' own
// listener, since no screen reader runs in a headless test.
#include "controls/base/ControlAccessible.h"
#include "controls/base/HostedControl.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

using namespace com;

namespace {

// A control holding a line of text, as a screen reader should see it.
class TextControl final : public controls::HostedControl {
public:
    static constexpr Guid events{0x5A1E0011, 0x7C3B, 0x4E21, {0x9A, 0x11, 0x20, 0x01, 0x04, 0x17, 0x00, 0x11}};
    static constexpr DispId textId = 20;

    TextControl() : HostedControl(events) {}

    QAccessible::Role accessibleRole() const override { return QAccessible::EditableText; }
    std::optional<AccessibleText> accessibleText() const override
    {
        AccessibleText said;
        said.text = text;
        said.caret = caret;
        return said;
    }

    void setText(const QString& given)
    {
        text = given;
        boundPropertyChanged(textId);
    }
    void moveCaret(int to)
    {
        caret = to;
        invalidate();
    }
    void repaint() { invalidate(); }

    QString text = QStringLiteral("04/17/2001");
    int caret = 10;
};

// A text update (what went, what came) or a caret move (where to).
struct Heard {
    QObject* object;
    QString removed;
    QString inserted;
    int caret = -1;
    bool operator==(const Heard&) const = default;
};
std::vector<Heard> heard;

void listen(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::TextUpdated) {
        auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
        heard.push_back({event->object(), update->textRemoved(), update->textInserted(), update->cursorPosition()});
    } else if (event->type() == QAccessible::TextCaretMoved) {
        heard.push_back({event->object(), {}, {}, static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()});
    }
}

} // namespace

class tst_ControlAccessible : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theWindowSaysWhatTheControlHolds();
    void aChangeIsAnnouncedOnce();
    void nothingIsAnnouncedWithoutAWindow();

private:
    Ptr<TextControl> control_;
    std::unique_ptr<QWidget> host_;
    QWidget* window_ = nullptr;
};

void tst_ControlAccessible::init()
{
    heard.clear();
    control_ = make<TextControl>();
    host_ = std::make_unique<QWidget>();
    QCOMPARE(control_->createWindow(host_.get(), QRect(0, 0, 120, 24), &window_), kOk);
    controls::setAccessibleListener(listen);
}

void tst_ControlAccessible::cleanup()
{
    controls::setAccessibleListener(nullptr);
    control_->destroyWindow();
    host_.reset();
    control_.reset();
}

void tst_ControlAccessible::theWindowSaysWhatTheControlHolds()
{
    QAccessibleInterface* said = QAccessible::queryAccessibleInterface(window_);
    QVERIFY(said);
    QCOMPARE(said->role(), QAccessible::EditableText);
    QCOMPARE(said->text(QAccessible::Value), QStringLiteral("04/17/2001"));
    QVERIFY(said->textInterface());
    QCOMPARE(said->textInterface()->cursorPosition(), 10);
    QCOMPARE(said->textInterface()->selectionCount(), 0);
    // The host itself is no control's.
    QVERIFY(QAccessible::queryAccessibleInterface(host_.get())->role() != QAccessible::EditableText);
}

void tst_ControlAccessible::aChangeIsAnnouncedOnce()
{
    control_->setText(QStringLiteral("04/18/2001"));
    QCOMPARE(heard, (std::vector<Heard>{{window_, QStringLiteral("04/17/2001"), QStringLiteral("04/18/2001"), 10}}));
    // Told again, or redrawn, the same text is not said twice.
    control_->setText(QStringLiteral("04/18/2001"));
    control_->repaint();
    QCOMPARE(heard.size(), std::size_t(1));
    // A change made while nothing listened is told from what was said last.
    controls::setAccessibleListener(nullptr);
    control_->setText(QStringLiteral("05/01/2001"));
    controls::setAccessibleListener(listen);
    control_->setText(QStringLiteral("06/01/2001"));
    QCOMPARE(heard.back(), (Heard{window_, QStringLiteral("04/18/2001"), QStringLiteral("06/01/2001"), 10}));

    // The caret going to another field is said; staying put is not.
    heard.clear();
    control_->moveCaret(3);
    control_->moveCaret(3);
    QCOMPARE(heard, (std::vector<Heard>{{window_, {}, {}, 3}}));
}

void tst_ControlAccessible::nothingIsAnnouncedWithoutAWindow()
{
    control_->destroyWindow();
    control_->setText(QStringLiteral("12/24/1999"));
    QVERIFY(heard.empty());
}

QTEST_MAIN(tst_ControlAccessible)
#include "tst_controlaccessible.moc"
