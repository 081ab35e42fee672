#include "controls/dateinput/LanguageNames.h"
#include "EngineFixture.h"

#include <QtTest>

using namespace dateinput;
using enginetest::readable;
using enginetest::single;
using enginetest::TestEngine;

namespace {

// Names written here in UTF-8 and compared as the single-byte text the
// control shows, so a name stored in any other encoding fails.
void compareSlots(const QStringList& expected, std::string_view (LanguageNames::*slot)(int) const,
                  const LanguageNames& names, int first)
{
    for (int i = 0; i < expected.size(); ++i) {
        const std::string bytes = single(expected[i].toUtf8().constData());
        const std::string_view loaded = (names.*slot)(first + i);
        if (std::string(loaded) != bytes)
            QFAIL(qPrintable(QString("slot %1: \"%2\" instead of \"%3\"")
                                 .arg(first + i)
                                 .arg(readable(std::string(loaded)), expected[i])));
    }
}

} // namespace

class tst_LanguageNames : public QObject {
    Q_OBJECT

private slots:
    // Every language number with its block of names, exactly as stored.
    void blocks_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("weekdays");
        QTest::addColumn<QString>("shortWeekdays");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("shortMonths");
        const QString enW = "Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday";
        const QString enS = "Sun|Mon|Tue|Wed|Thu|Fri|Sat";
        const QString enM = "January|February|March|April|May|June|July|August|September|October|November|December";
        const QString enN = "Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec";
        const QString frW = "Dimanche|Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi";
        const QString frS = "Dim|Lun|Mar|Mer|Jeu|Ven|Sam";
        const QString frM = "Janvier|Février|Mars|Avril|Mai|Juin|Juillet|Août|Septembre|Octobre|Novembre|Décembre";
        const QString frN = "Jan|Fév|Mar|Avr|Mai|Jui|Juil|Aoû|Sep|Oct|Nov|Déc";
        const QString esW = "Domingo|Lunes|Martes|Miercoles|Jueves|Viernes|Sabado";
        const QString esS = "Dom|Lun|Mar|Mie|Jue|Vie|Sab";
        const QString esM = "Enero|Febrero|Marzo|Abril|Mayo|Junio|Julio|Agosto|Septiembre|Octubre|Noviembre|Diciembre";
        const QString esN = "Ene|Feb|Mar|Abr|May|Jun|Jul|Ago|Sep|Oct|Nov|Dic";
        const QString noW = "Søndag|Mandag|Tirsdag|Onsdag|Torsdag|Fredag|Lørdag";
        const QString noS = "Søn|Man|Tir|Ons|Tor|Fre|Lør";
        QTest::newRow("DAN") << 1 << "DAN" << noW << noS
                             << "Januar|Februar|Marts|April|Maj|Juni|Juli|August|September|Oktober|November|December"
                             << "Jan|Feb|Mar|Apr|Maj|Jun|Jul|Aug|Sep|Okt|Nov|Dec";
        QTest::newRow("DEU") << 2 << "DEU" << "Sonntag|Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag"
                             << "Son|Mon|Die|Mit|Don|Fre|Sam"
                             << "Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember"
                             << "Jan|Feb|Mär|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Dez";
        QTest::newRow("ENG") << 3 << "ENG" << enW << enS << enM << enN;
        QTest::newRow("ENU") << 4 << "ENU" << enW << enS << enM << enN;
        QTest::newRow("ESN") << 5 << "ESN" << esW << esS << esM << esN;
        QTest::newRow("ESP") << 6 << "ESP" << esW << esS << esM << esN;
        QTest::newRow("FIN") << 7 << "FIN"
                             << "Sunnuntai|Maanantai|Tiistai|Keskiviikko|Torstai|Perjantai|Lauantai"
                             << "Sun|Maa|Tii|Kes|Tor|Per|Lau"
                             << "Tammikuu|Helmikuu|Maaliskuu|Huhtikuu|Toukokuu|Kesäkuu|Heinäkuu|Elokuu|Syyskuu|"
                                "Lokakuu|Marraskuu|Joulukuu"
                             << "Tam|Hel|Maa|Huh|Tou|Kes|Hei|Elo|Syy|Lok|Mar|Jou";
        QTest::newRow("FRA") << 8 << "FRA" << frW << frS << frM << frN;
        QTest::newRow("FRC") << 9 << "FRC" << frW << frS << frM << frN;
        QTest::newRow("ISL") << 10 << "ISL"
                             << "Sunnudagur|Mßnudagur|_ri_judagur|Mi_vikudagur|Fimmtudagur|F÷studagur|Laugardagur"
                             << "Sun|Mßn|_ri|Mi_|Fim|F÷s|Lau"
                             << "Jan·ar|Febr·ar|Mars|Apr_l|Ma_|J·n_|J·l_|Ag·st|September|Okt÷ber|N_vember|Desember"
                             << "Jan|Feb|Mars|Apr|Ma_|J·n_|J·l_|Ag|Sept|Okt|N_v|Des";
        QTest::newRow("ITA") << 11 << "ITA" << "Domenica|Lunedi|Martedi|Mercoledi|Giovedi|Venerdi|Sabato"
                             << "Dom|Lun|Mar|Mer|Gio|Ven|Sab"
                             << "Gennaio|Febbraio|Marzo|Aprile|Maggio|Giugno|Luglio|Agosto|Settembre|Ottobre|"
                                "Novembre|Dicembre"
                             << "Gen|Feb|Mar|Apr|Mag|Giu|Lug|Ago|Set|Ott|Nov|Dic";
        QTest::newRow("NLD") << 12 << "NLD" << "Zondag|Maandag|Dinsdag|Woensdag|Donderdag|Vrijdag|Zaterdag"
                             << "Zon|Maa|Din|Woe|Don|Vri|Zat"
                             << "Januari|Februari|Maart|April|Mei|Juni|Juli|Augustus|September|Oktober|November|"
                                "December"
                             << "Jan|Feb|Maa|Apr|Mei|Jun|Jul|Aug|Sep|Okt|Nov|Dec";
        QTest::newRow("NOR") << 13 << "NOR" << noW << noS
                             << "Januar|Febraur|Mars|April|Mai|Juni|Juli|August|September|Oktober|November|Desember"
                             << "Jan|Feb|Mar|Apr|Mai|Jun|Jul|Aug|Sep|Okt|Nov|Des";
        QTest::newRow("PTG") << 14 << "PTG"
                             << "Domingo |Segunda-feira|Terca-feira|Quarta-feira|Quinta-feira|Sexta-feira|Sábado"
                             << "Dom|Seg|Têr|Qua|Qui|Sex|Sab"
                             << "Janeiro|Fevereiro|Março|Abril|Maio|Junho|Julho|Agosto|Setembro|Outubro|Novembro|"
                                "Dezembro"
                             << "Jan|Fev|Mar|Apr|Mai|Jun|Jul|Ago|Set|Out|Nov|Dez";
        QTest::newRow("SVE") << 15 << "SVE" << "Söndag|Måndag|Tisdag|Onsdag|Torsdag|Fredag|Lördag"
                             << "Sön|Mån|Tis|Ons|Tor|Fre|Lör"
                             << "Januari|Febrauri|Mars|April|Maj|Juni|Juli|Augusti|September|Oktober|November|"
                                "December"
                             << "Jan|Feb|Mar|Apr|Maj|Jun|Jul|Aug|Sep|Okt|Nov|Dec";
        QTest::newRow("EPT") << 16 << "EPT" << "Dimanco|Lundo|Mardo|Merkredo|Jaudo|Vendredo|Sabato"
                             << "Dim|Lun|Mar|Mer|Jau|Ven|Sab"
                             << "Januaro|Februaro|Marto|Aprilo|Majo|Junio|Julio|Augusto|Septembro|Oktobro|Novembro|"
                                "Decembro"
                             << "Jan|Feb|Mar|Apr|Maj|Jun|Jul|Aug|Sep|Okt|Nov|Dec";
        QTest::newRow("SER") << 17 << "SER" << "Nedelja|Ponjedeljak|Utorak|Srijeda|Cetvrtak|Petak|Subota"
                             << "Ned|Pon|Uto|Sri|Cet|Pet|Sub"
                             << "Sijecanj|Veljaca|Ozujak|Travanj|Svibanj|Lipanj|Srpanj|Kolovoz|Rujan|Listopad|"
                                "Studeni|Prosinac"
                             << "Sij|Vel|Ozu|Tra|Svi|Lip|Srp|Kol|Ruj|Lis|Stu|Pro";
    }
    void blocks()
    {
        QFETCH(int, number);
        QFETCH(QString, code);
        QFETCH(QString, weekdays);
        QFETCH(QString, shortWeekdays);
        QFETCH(QString, months);
        QFETCH(QString, shortMonths);
        QCOMPARE(QString::fromLatin1(languageCode(number)), code);
        QCOMPARE(languageNumberOfCode(code.toLower().toStdString()), number);

        // By its number, and by the system's language for number 0.
        for (const bool fromSystem : {false, true}) {
            LanguageNames names;
            const std::string systemCode = code.toLower().toStdString();
            names.load(fromSystem ? 0 : number, [&](std::string_view key) -> std::optional<std::string> {
                if (key == "sLanguage")
                    return systemCode;
                return std::nullopt;
            });
            QCOMPARE(names.loadedLanguage(), number);
            compareSlots(weekdays.split('|'), &LanguageNames::weekday, names, 0);
            compareSlots(shortWeekdays.split('|'), &LanguageNames::weekdayShort, names, 0);
            compareSlots(months.split('|'), &LanguageNames::month, names, 1);
            compareSlots(shortMonths.split('|'), &LanguageNames::monthShort, names, 1);
        }
    }

    // The letters of the Icelandic block are single bytes, as stored.
    void icelandicBytes()
    {
        LanguageNames names;
        names.load(10, {});
        QCOMPARE(QByteArray(names.weekday(1).data(), 9), QByteArray("M\xdfnudagur"));
        QCOMPARE(QByteArray(names.weekday(5).data(), 10), QByteArray("F\xf7studagur"));
        QCOMPARE(QByteArray(names.month(1).data(), 6), QByteArray("Jan\xb7" "ar"));
        QCOMPARE(QByteArray(names.weekdayShort(2).data(), 3), QByteArray("_ri"));
    }

    // Which block the system's language or a stored number stands for.
    void chosenLanguage_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("loaded");
        QTest::newRow("the system's language, in any case") << 0 << "deu" << 2;
        QTest::newRow("no system language: English") << 0 << QString() << 4;
        QTest::newRow("a system language we have no names for") << 0 << "XYZ" << 4;
        QTest::newRow("the system's language named WWW") << 0 << "www" << 4;
        QTest::newRow("a number ignores the system") << 8 << "deu" << 8;
        QTest::newRow("a number past the table") << 18 << "deu" << 4;
        QTest::newRow("a negative number") << -1 << "deu" << 4;
        QTest::newRow("the largest stored number") << 32767 << "deu" << 4;
    }
    void chosenLanguage()
    {
        QFETCH(int, number);
        QFETCH(QString, system);
        QFETCH(int, loaded);
        LanguageNames names;
        names.load(number, [&](std::string_view key) -> std::optional<std::string> {
            if (key != "sLanguage" || system.isNull())
                return std::nullopt;
            return system.toStdString();
        });
        QCOMPARE(names.loadedLanguage(), loaded);
        QVERIFY(!names.month(1).empty());
    }

    void codes()
    {
        QCOMPARE(QString::fromLatin1(languageCode(0)), "WWW");
        QCOMPARE(languageNumberOfCode("www"), 0);
        QCOMPARE(languageNumberOfCode(""), -1);
        QCOMPARE(languageNumberOfCode("EN"), -1);
        QCOMPARE(languageNumberOfCode("ENUS"), -1);
        QVERIFY(languageCode(18).empty());
        QVERIFY(languageCode(-1).empty());
    }

    void monthFromName_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("shortMonth");
        QTest::newRow("MARCH") << 4 << "MARCH" << 3 << 0;
        QTest::newRow("March") << 4 << "March" << 3 << 0;
        QTest::newRow("march") << 4 << "march" << 3 << 0;
        QTest::newRow("Marzo is not English") << 4 << "Marzo" << 0 << 0;
        QTest::newRow("Marzo in Italian") << 11 << "Marzo" << 3 << 0;
        QTest::newRow("a short name") << 4 << "sep" << 0 << 9;
        QTest::newRow("May is both") << 4 << "MAY" << 5 << 5;
        QTest::newRow("nothing") << 4 << "" << 0 << 0;
        QTest::newRow("a prefix is no name") << 4 << "Marc" << 0 << 0;
        QTest::newRow("accented capitals") << 8 << "FÉVRIER" << 2 << 0;
        QTest::newRow("accented small letters") << 2 << "mär" << 0 << 3;
        QTest::newRow("Finnish Maa is the first match") << 7 << "maa" << 0 << 3;
    }
    void monthFromName()
    {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(int, month);
        QFETCH(int, shortMonth);
        LanguageNames names;
        QCOMPARE(names.MonthFromName(""), 0);
        names.load(language, {});
        const std::string bytes = single(text.toUtf8().constData());
        QCOMPARE(names.MonthFromName(bytes), month);
        QCOMPARE(names.MonthFromShortName(bytes), shortMonth);
    }

    // Names as the engine shows and reads them.
    void namesInDates_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("format");
        QTest::addColumn<DateParts>("date");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Finnish Sunday") << 7 << 3 << DateParts{1, 2, 2000} << "Sunnuntai, Tammikuu 2, 2000";
        QTest::newRow("Italian Friday") << 11 << 3 << DateParts{1, 7, 2000} << "Venerdi, Gennaio 7, 2000";
        QTest::newRow("German March") << 2 << 2 << DateParts{3, 5, 2001} << "März 5, 2001";
        QTest::newRow("French short month") << 8 << 6 << DateParts{2, 5, 2001} << "05-Fév-01";
        QTest::newRow("Portuguese Sunday keeps its blank") << 14 << 3 << DateParts{1, 2, 2000}
                                                           << "Domingo , Janeiro 2, 2000";
        QTest::newRow("Icelandic") << 10 << 2 << DateParts{1, 2, 2000} << "Jan·ar 2, 2000";
    }
    void namesInDates()
    {
        QFETCH(int, language);
        QFETCH(int, format);
        QFETCH(DateParts, date);
        QFETCH(QString, shown);
        TestEngine t(format);
        t.engine.languageNumber = std::int16_t(language);
        t.engine.LoadLanguageNames();
        QCOMPARE(readable(t.engine.FormatDateText(date)), shown);
        DateParts read;
        QCOMPARE(t.engine.ParseDateText(t.engine.FormatDateText(date), read, parsePlain), dateAccepted);
        QCOMPARE(read.month, date.month);
        QCOMPARE(read.day, date.day);
    }

    // A change of language shows the same date in the new names: read with
    // the old names, write with the new ones.
    void languageChangeKeepsTheDate()
    {
        TestEngine t(formatVerbose);
        t.engine.languageNumber = 2;
        t.engine.LoadLanguageNames();
        t.engine.text = t.engine.FormatDateText({3, 5, 2001});
        QCOMPARE(readable(t.engine.text), "März 5, 2001");
        DateParts date;
        QCOMPARE(t.engine.ParseDateText(t.engine.text, date, parseInvalidToday), dateAccepted);
        t.engine.languageNumber = 8;
        t.engine.LoadLanguageNames();
        t.engine.text = t.engine.FormatDateText(date);
        QCOMPARE(readable(t.engine.text), "Mars 5, 2001");
    }
};

QTEST_APPLESS_MAIN(tst_LanguageNames)
#include "tst_languagenames.moc"
