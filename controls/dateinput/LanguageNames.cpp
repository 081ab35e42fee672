#include "controls/dateinput/LanguageNames.h"

#include <cstddef>

namespace dateinput {

namespace {

constexpr std::array<std::string_view, languageCodeCount> codes = {
    "WWW", "DAN", "DEU", "ENG", "ENU", "ESN", "ESP", "FIN", "FRA",
    "FRC", "ISL", "ITA", "NLD", "NOR", "PTG", "SVE", "EPT", "SER",
};

// One block of names: 7 weekdays, 7 three-letter weekdays, 12 months and 12
// short months, Sunday and January first. The bytes are those of the Windows
// Western code page; octal escapes spell the letters above 127.
struct NameBlock {
    std::array<const char*, 7> weekdays;
    std::array<const char*, 7> weekdaysShort;
    std::array<const char*, 12> months;
    std::array<const char*, 12> monthsShort;
};

constexpr NameBlock english = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
     "December"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
};

// Février, Août, Décembre
constexpr NameBlock french = {
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
    {"Dim", "Lun", "Mar", "Mer", "Jeu", "Ven", "Sam"},
    {"Janvier", "F\351vrier", "Mars", "Avril", "Mai", "Juin", "Juillet", "Ao\373t", "Septembre", "Octobre", "Novembre",
     "D\351cembre"},
    {"Jan", "F\351v", "Mar", "Avr", "Mai", "Jui", "Juil", "Ao\373", "Sep", "Oct", "Nov", "D\351c"},
};

constexpr NameBlock italian = {
    {"Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato"},
    {"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"},
    {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto", "Settembre", "Ottobre",
     "Novembre", "Dicembre"},
    {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu", "Lug", "Ago", "Set", "Ott", "Nov", "Dic"},
};

// Sábado, Têr, Março; "Domingo " keeps its trailing blank.
constexpr NameBlock portuguese = {
    {"Domingo ", "Segunda-feira", "Terca-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "S\341bado"},
    {"Dom", "Seg", "T\352r", "Qua", "Qui", "Sex", "Sab"},
    {"Janeiro", "Fevereiro", "Mar\347o", "Abril", "Maio", "Junho", "Julho", "Agosto", "Setembro", "Outubro", "Novembro",
     "Dezembro"},
    {"Jan", "Fev", "Mar", "Apr", "Mai", "Jun", "Jul", "Ago", "Set", "Out", "Nov", "Dez"},
};

// März, Mär
constexpr NameBlock german = {
    {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
    {"Son", "Mon", "Die", "Mit", "Don", "Fre", "Sam"},
    {"Januar", "Februar", "M\344rz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
     "Dezember"},
    {"Jan", "Feb", "M\344r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
};

constexpr NameBlock dutch = {
    {"Zondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag"},
    {"Zon", "Maa", "Din", "Woe", "Don", "Vri", "Zat"},
    {"Januari", "Februari", "Maart", "April", "Mei", "Juni", "Juli", "Augustus", "September", "Oktober", "November",
     "December"},
    {"Jan", "Feb", "Maa", "Apr", "Mei", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
};

// Söndag, Måndag, Lördag; "Febrauri" as the block has always spelt it.
constexpr NameBlock swedish = {
    {"S\366ndag", "M\345ndag", "Tisdag", "Onsdag", "Torsdag", "Fredag", "L\366rdag"},
    {"S\366n", "M\345n", "Tis", "Ons", "Tor", "Fre", "L\366r"},
    {"Januari", "Febrauri", "Mars", "April", "Maj", "Juni", "Juli", "Augusti", "September", "Oktober", "November",
     "December"},
    {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
};

// Søndag, Lørdag
constexpr NameBlock danish = {
    {"S\370ndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "L\370rdag"},
    {"S\370n", "Man", "Tir", "Ons", "Tor", "Fre", "L\370r"},
    {"Januar", "Februar", "Marts", "April", "Maj", "Juni", "Juli", "August", "September", "Oktober", "November",
     "December"},
    {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
};

// Søndag, Lørdag; "Febraur" as the block has always spelt it.
constexpr NameBlock norwegian = {
    {"S\370ndag", "Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "L\370rdag"},
    {"S\370n", "Man", "Tir", "Ons", "Tor", "Fre", "L\370r"},
    {"Januar", "Febraur", "Mars", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November",
     "Desember"},
    {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Des"},
};

constexpr NameBlock serboCroatian = {
    {"Nedelja", "Ponjedeljak", "Utorak", "Srijeda", "Cetvrtak", "Petak", "Subota"},
    {"Ned", "Pon", "Uto", "Sri", "Cet", "Pet", "Sub"},
    {"Sijecanj", "Veljaca", "Ozujak", "Travanj", "Svibanj", "Lipanj", "Srpanj", "Kolovoz", "Rujan", "Listopad",
     "Studeni", "Prosinac"},
    {"Sij", "Vel", "Ozu", "Tra", "Svi", "Lip", "Srp", "Kol", "Ruj", "Lis", "Stu", "Pro"},
};

// Kesäkuu, Heinäkuu
constexpr NameBlock finnish = {
    {"Sunnuntai", "Maanantai", "Tiistai", "Keskiviikko", "Torstai", "Perjantai", "Lauantai"},
    {"Sun", "Maa", "Tii", "Kes", "Tor", "Per", "Lau"},
    {"Tammikuu", "Helmikuu", "Maaliskuu", "Huhtikuu", "Toukokuu", "Kes\344kuu", "Hein\344kuu", "Elokuu", "Syyskuu",
     "Lokakuu", "Marraskuu", "Joulukuu"},
    {"Tam", "Hel", "Maa", "Huh", "Tou", "Kes", "Hei", "Elo", "Syy", "Lok", "Mar", "Jou"},
};

constexpr NameBlock esperanto = {
    {"Dimanco", "Lundo", "Mardo", "Merkredo", "Jaudo", "Vendredo", "Sabato"},
    {"Dim", "Lun", "Mar", "Mer", "Jau", "Ven", "Sab"},
    {"Januaro", "Februaro", "Marto", "Aprilo", "Majo", "Junio", "Julio", "Augusto", "Septembro", "Oktobro", "Novembro",
     "Decembro"},
    {"Jan", "Feb", "Mar", "Apr", "Maj", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dec"},
};

constexpr NameBlock spanish = {
    {"Domingo", "Lunes", "Martes", "Miercoles", "Jueves", "Viernes", "Sabado"},
    {"Dom", "Lun", "Mar", "Mie", "Jue", "Vie", "Sab"},
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre", "Octubre", "Noviembre",
     "Diciembre"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
};

// The Icelandic block as it has always been stored: its letters are the
// bytes 223 (\337), 247 (\367), 183 (\267) and 95 ("_").
constexpr NameBlock icelandic = {
    {"Sunnudagur", "M\337nudagur", "_ri_judagur", "Mi_vikudagur", "Fimmtudagur", "F\367studagur", "Laugardagur"},
    {"Sun", "M\337n", "_ri", "Mi_", "Fim", "F\367s", "Lau"},
    {"Jan\267ar", "Febr\267ar", "Mars", "Apr_l", "Ma_", "J\267n_", "J\267l_", "Ag\267st", "September", "Okt\367ber",
     "N_vember", "Desember"},
    {"Jan", "Feb", "Mars", "Apr", "Ma_", "J\267n_", "J\267l_", "Ag", "Sept", "Okt", "N_v", "Des"},
};

// The block of each language number; 0 has none of its own.
constexpr std::array<const NameBlock*, languageCodeCount> blocks = {
    nullptr, &danish,    &german,  &english, &english,   &spanish,    &spanish, &finnish,   &french,
    &french, &icelandic, &italian, &dutch,   &norwegian, &portuguese, &swedish, &esperanto, &serboCroatian,
};

unsigned char foldCase(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - ('a' - 'A');
    // Accented small letters of the Western code page, but for the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    switch (c) {
    case 0x9A:
        return 0x8A; // s caron
    case 0x9C:
        return 0x8C; // oe
    case 0x9E:
        return 0x8E; // z caron
    case 0xFF:
        return 0x9F; // y diaeresis
    default:
        return c;
    }
}

std::string slot(const char* name, std::size_t size)
{
    std::string text(name);
    if (text.size() > size)
        text.resize(size);
    return text;
}

template <std::size_t N>
int matchMonth(const std::array<std::string, N>& names, std::string_view text)
{
    if (text.empty())
        return 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (equalsIgnoringCase(names[i], text))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

template <std::size_t N>
std::string_view at(const std::array<std::string, N>& names, int index)
{
    return index >= 0 && index < int(N) ? std::string_view(names[index]) : std::string_view();
}

} // namespace

std::string_view languageCode(int number)
{
    return number >= 0 && number < languageCodeCount ? codes[number] : std::string_view();
}

int languageNumberOfCode(std::string_view code)
{
    for (int i = 0; i < languageCodeCount; ++i) {
        if (equalsIgnoringCase(codes[i], code))
            return i;
    }
    return -1;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

void LanguageNames::load(int languageNumber, const IntlReader& intl)
{
    int number = languageNumber;
    if (number == systemLanguage) {
        const std::string system = intlText(intl, "sLanguage", "ENU", 11);
        number = languageNumberOfCode(system);
    }
    // "WWW" in the profile, a code we do not know, or a stored number past
    // the table: there is no block for it, and English is the one every
    // installation understands.
    if (number < 1 || number >= languageCodeCount)
        number = fallbackLanguage;

    const NameBlock& block = *blocks[number];
    for (std::size_t i = 0; i < 7; ++i) {
        weekdays_[i] = slot(block.weekdays[i], weekdaySlot);
        weekdaysShort_[i] = slot(block.weekdaysShort[i], weekdayShortSlot);
    }
    for (std::size_t i = 0; i < 12; ++i) {
        months_[i] = slot(block.months[i], monthSlot);
        monthsShort_[i] = slot(block.monthsShort[i], monthShortSlot);
    }
    loaded_ = number;
}

std::string_view LanguageNames::weekday(int weekday) const
{
    return at(weekdays_, weekday);
}
std::string_view LanguageNames::weekdayShort(int weekday) const
{
    return at(weekdaysShort_, weekday);
}
std::string_view LanguageNames::month(int month) const
{
    return at(months_, month - 1);
}
std::string_view LanguageNames::monthShort(int month) const
{
    return at(monthsShort_, month - 1);
}

int LanguageNames::MonthFromName(std::string_view text) const
{
    return matchMonth(months_, text);
}
int LanguageNames::MonthFromShortName(std::string_view text) const
{
    return matchMonth(monthsShort_, text);
}

} // namespace dateinput
