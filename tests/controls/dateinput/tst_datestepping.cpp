#include "controls/dateinput/DateEngine.h"
#include "EngineFixture.h"

#include <QtTest>

using namespace dateinput;
using enginetest::readable;
using enginetest::TestEngine;

Q_DECLARE_METATYPE(dateinput::DateBounds)

namespace {

DateBounds bounded(int minYear, int maxYear, int minMonth = 1, int maxMonth = 12, int minDay = 1, int maxDay = 31)
{
    return {std::int16_t(minDay),   std::int16_t(maxDay),  std::int16_t(minMonth),
            std::int16_t(maxMonth), std::int16_t(minYear), std::int16_t(maxYear)};
}

} // namespace

class tst_DateStepping : public QObject {
    Q_OBJECT

private slots:
    // One step of the field at the caret, with roll-over and carry.
    void steps_data()
    {
        QTest::addColumn<DateBounds>("bounds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        const DateBounds all{};
        const int month = 0, day = 1, year = 2;
        QTest::newRow("day up into March") << all << "02/28/1999" << day << 1 << "03/01/1999";
        QTest::newRow("day up from 30 June") << all << "06/30/2001" << day << 1 << "07/01/2001";
        QTest::newRow("day up from the year's last day") << all << "12/31/1999" << day << 1 << "01/01/2000";
        QTest::newRow("day up to a leap day") << all << "02/28/2000" << day << 1 << "02/29/2000";
        QTest::newRow("day down into February") << all << "03/01/1999" << day << -1 << "02/28/1999";
        QTest::newRow("day down into the year before") << all << "01/01/2000" << day << -1 << "12/31/1999";
        QTest::newRow("a larger step") << all << "04/17/2001" << day << 5 << "04/22/2001";
        QTest::newRow("month up from 31 January") << all << "01/31/2001" << month << 1 << "02/28/2001";
        QTest::newRow("month up from 31 January, leap year") << all << "01/31/2000" << month << 1 << "02/29/2000";
        QTest::newRow("month up into the next year") << all << "12/15/2001" << month << 1 << "01/15/2002";
        QTest::newRow("month down into the year before") << all << "01/15/2001" << month << -1 << "12/15/2000";
        QTest::newRow("month down to a shorter month") << all << "03/31/2001" << month << -1 << "02/28/2001";
        QTest::newRow("year up") << all << "04/17/2001" << year << 1 << "04/17/2002";
        QTest::newRow("year up from a leap day keeps a real date") << all << "02/29/2000" << year << 1
                                                                   << "02/28/2001";
        QTest::newRow("year at the top") << all << "12/31/9999" << year << 1 << "12/31/9999";
        QTest::newRow("never into year 0") << all << "01/01/0001" << day << -1 << "01/31/0001";

        const DateBounds twoYears = bounded(2000, 2001);
        QTest::newRow("day down from the first day of the first year")
            << twoYears << "01/01/2000" << day << -1 << "01/31/2000";
        QTest::newRow("day up from the last day of the last year")
            << twoYears << "12/31/2001" << day << 1 << "12/01/2001";
        QTest::newRow("month down at the bottom") << twoYears << "01/15/2000" << month << -1 << "01/15/2000";
        QTest::newRow("month up at the top") << twoYears << "12/15/2001" << month << 1 << "12/15/2001";
        QTest::newRow("year down at the bottom") << twoYears << "04/17/2000" << year << -1 << "04/17/2000";
        QTest::newRow("year up to the top") << bounded(2000, 2001, 1, 6, 1, 15) << "09/20/2000" << year << 1
                                            << "06/15/2001";

        QTest::newRow("past MaxDay to the next month") << bounded(0, 9999, 1, 12, 1, 15) << "04/15/2001" << day
                                                       << 1 << "05/01/2001";
        QTest::newRow("below MinDay to the month before") << bounded(0, 9999, 1, 12, 10, 31) << "04/10/2001"
                                                          << day << -1 << "03/31/2001";
        QTest::newRow("past MaxMonth to the next year") << bounded(0, 9999, 1, 6) << "06/15/2001" << month << 1
                                                        << "01/15/2002";
        QTest::newRow("a month step holds the day to MinDay-MaxDay")
            << bounded(0, 9999, 1, 12, 5, 20) << "03/25/2001" << month << 1 << "04/20/2001";
        QTest::newRow("but not in February") << bounded(0, 9999, 1, 12, 5, 20) << "01/25/2001" << month << 1
                                             << "02/25/2001";
        QTest::newRow("MinMonth 0 never steps into a blank month") << bounded(0, 9999, 0) << "01/15/2001"
                                                                   << month << -1 << "12/15/2000";
    }
    void steps()
    {
        QFETCH(DateBounds, bounds);
        QFETCH(QString, shown);
        QFETCH(int, field);
        QFETCH(int, step);
        QFETCH(QString, text);
        TestEngine t;
        t.engine.bounds = bounds;
        t.show(shown.toStdString());
        QCOMPARE(readable(t.engine.text), shown);
        t.engine.currentField = field;
        t.engine.StepFieldAtCaret(step);
        QCOMPARE(readable(t.engine.text), text);
        QCOMPARE(int(t.engine.currentYear()), text.right(4).toInt());
        QCOMPARE(t.engine.rememberedYear, t.engine.currentYear());
    }

    // A weekday field steps the day, and the weekday follows.
    void weekdayFieldStepsTheDay()
    {
        TestEngine t(formatVww);
        t.show("Saturday, January 1, 2000");
        t.engine.currentField = 0;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), "Sunday, January 2, 2000");
    }

    // A two-digit display keeps the century the date had.
    void twoDigitYearKeepsItsCentury()
    {
        TestEngine t(formatMediumty);
        t.engine.text = "17-Apr-01";
        t.engine.FormatDateText({4, 17, 2001});
        t.engine.setCurrentYear(2001);
        t.engine.currentField = 2;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), "17-Apr-02");
        QCOMPARE(t.engine.currentYear(), std::int16_t(2002));
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), "17-Apr-03");
        QCOMPARE(t.engine.currentYear(), std::int16_t(2003));

        t.engine.text = "28-Feb-03";
        t.engine.currentField = 0;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), "01-Mar-03");
        QCOMPARE(t.engine.currentYear(), std::int16_t(2003));
    }

    // A four-digit year is stepped as shown, whatever year the container
    // last gave the control.
    void fourDigitYearStandsAsShown()
    {
        TestEngine t(formatGeneral);
        t.intl["sShortDate"] = "M/d/yyyy";
        t.show("4/17/0097");
        t.engine.setCurrentYear(2050);
        t.engine.currentField = 1;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), "4/18/0097");
        QCOMPARE(t.engine.currentYear(), std::int16_t(97));
    }

    void caretFollowsTheField()
    {
        TestEngine t;
        t.show("04/17/2001");
        t.engine.currentField = 1;
        t.engine.caretOffset = 1;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(t.engine.caretPosition, 4);
    }

    // Nothing moves while the control is read-only, text is selected, or a
    // part is blank.
    void nothingSteps_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("selection");
        QTest::addColumn<bool>("allowBlank");
        QTest::addColumn<QString>("shown");
        QTest::newRow("read-only") << true << 0 << false << "04/17/2001";
        QTest::newRow("a selection") << false << 3 << false << "04/17/2001";
        QTest::newRow("a selection to the left") << false << -2 << false << "04/17/2001";
        QTest::newRow("a blank day") << false << 0 << true << "04/  /2001";
    }
    void nothingSteps()
    {
        QFETCH(bool, readOnly);
        QFETCH(int, selection);
        QFETCH(bool, allowBlank);
        QFETCH(QString, shown);
        TestEngine t;
        t.engine.allowBlank = allowBlank;
        t.show(shown.toStdString());
        t.engine.readOnly = readOnly;
        t.engine.selectionLength = selection;
        t.engine.currentField = 1;
        t.engine.StepFieldAtCaret(1);
        QCOMPARE(readable(t.engine.text), shown);
    }
};

QTEST_APPLESS_MAIN(tst_DateStepping)
#include "tst_datestepping.moc"
