// makebank: writes the question database qbk54.mdb.
//
//   makebank --schema schema.sql --sample <folder> --out <file>
//       the sample bank, from the JSON content files in <folder>
//   makebank --schema schema.sql --synthetic N --out <file>
//       a deterministic bank of N made-up questions for the benchmarks
//
// The database is written to a temporary file beside <file> and renamed over it
// only when complete, so a failed run never leaves half a database behind.

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Any failure that must stop the run; main() prints it and exits non-zero.
class BankError : public std::runtime_error {
public:
    explicit BankError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// ---------------------------------------------------------------------------
// SQLite handles

class Database {
public:
    explicit Database(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        if (sqlite3_open_v2(name.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
            sqlite3_close(m_db);
            m_db = nullptr;
            throw BankError(QStringLiteral("cannot open %1: %2").arg(path, reason));
        }
    }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    sqlite3 *handle() const { return m_db; }

    void exec(const QByteArray &sql) const
    {
        char *message = nullptr;
        if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const QString reason = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
            sqlite3_free(message);
            throw BankError(QStringLiteral("database error: %1").arg(reason));
        }
    }

private:
    sqlite3 *m_db = nullptr;
};

class Statement {
public:
    Statement(const Database &db, const QByteArray &sql) : m_db(db.handle())
    {
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
            throw BankError(QStringLiteral("database error: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // The text must stay alive until run(). An empty view may carry no data
    // pointer, which SQLite would store as NULL; the columns want "".
    void bind(int index, std::string_view text)
    {
        const char *data = text.data() ? text.data() : "";
        sqlite3_bind_text(m_stmt, index, data, int(text.size()), SQLITE_STATIC);
    }
    void bind(int index, std::int64_t number) { sqlite3_bind_int64(m_stmt, index, number); }

    void run()
    {
        const int rc = sqlite3_step(m_stmt);
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        if (rc != SQLITE_DONE)
            throw BankError(QStringLiteral("database error: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

QByteArray placeholders(int count)
{
    QByteArray list;
    for (int i = 0; i < count; ++i)
        list += i ? ",?" : "?";
    return list;
}

// ---------------------------------------------------------------------------
// Rows, as both the sample and the synthetic bank produce them (UTF-8 text)

struct QuestionRow {
    std::string qnum, chapter, level, question, a, b, c, d, answer, memo, x, elephant, picture, video;
};

// table1 in insertion order; ID is the database's, Call counts rows over the whole table.
class QuestionWriter {
public:
    explicit QuestionWriter(const Database &db)
        : m_insert(db, "INSERT INTO table1 (\"Call\", QNUM, Chapter, FF, Question, A, B, C, D, E, Answer, Memo,"
                       " x, Elephant, Snoop, picbox, d_strip1, Video, Page, A1, B1, C1, D1)"
                       " VALUES (" + placeholders(23) + ")")
    {}

    void add(const QuestionRow &row)
    {
        const bool hasPicture = !row.picture.empty();
        int i = 0;
        m_insert.bind(++i, ++m_call);
        m_insert.bind(++i, row.qnum);
        m_insert.bind(++i, row.chapter);
        m_insert.bind(++i, row.level);
        m_insert.bind(++i, row.question);
        m_insert.bind(++i, row.a);
        m_insert.bind(++i, row.b);
        m_insert.bind(++i, row.c);
        m_insert.bind(++i, row.d);
        m_insert.bind(++i, std::string_view(""));                      // E
        m_insert.bind(++i, row.answer);
        m_insert.bind(++i, row.memo);
        m_insert.bind(++i, row.x);
        m_insert.bind(++i, row.elephant);
        m_insert.bind(++i, std::string_view(""));                      // Snoop
        m_insert.bind(++i, std::string_view(hasPicture ? "2" : "1"));  // picbox
        m_insert.bind(++i, row.picture);                               // d_strip1
        m_insert.bind(++i, row.video);                                 // Video
        for (int rest = 0; rest < 5; ++rest)                           // Page, A1..D1
            m_insert.bind(++i, std::string_view(""));
        m_insert.run();
    }

    std::int64_t count() const { return m_call; }

private:
    Statement m_insert;
    std::int64_t m_call = 0;
};

constexpr int kBank1Slots = 20;
constexpr int kBank23Slots = 21;

int slotCount(int bank) { return bank == 1 ? kBank1Slots : kBank23Slots; }

// The chapter buttons of the three banks, indexed by slot - 1; an unused slot is "".
struct ButtonTitles {
    std::array<std::string, kBank1Slots> bank1;
    std::array<std::string, kBank23Slots> bank2;
    std::array<std::string, kBank23Slots> bank3;
};

void writeButtonTitles(const Database &db, const ButtonTitles &titles)
{
    QByteArray columns;
    for (int slot = 1; slot <= kBank1Slots; ++slot)
        columns += "title" + QByteArray::number(slot) + ",";
    for (int slot = 1; slot <= kBank23Slots; ++slot)
        columns += "titlea" + QByteArray::number(slot) + ",";
    for (int slot = 1; slot <= kBank23Slots; ++slot)
        columns += "tb3" + QByteArray::number(slot) + (slot < kBank23Slots ? "," : "");

    Statement insert(db, "INSERT INTO Table3 (" + columns + ") VALUES ("
                             + placeholders(kBank1Slots + 2 * kBank23Slots) + ")");
    int i = 0;
    for (const auto &title : titles.bank1)
        insert.bind(++i, title);
    for (const auto &title : titles.bank2)
        insert.bind(++i, title);
    for (const auto &title : titles.bank3)
        insert.bind(++i, title);
    insert.run();
}

void writeChapterList(const Database &db, const std::vector<std::string> &titles)
{
    Statement insert(db, "INSERT INTO Table4 (Chapter) VALUES (?)");
    for (const auto &title : titles) {
        insert.bind(1, title);
        insert.run();
    }
}

// The print settings, settings and flags rows the program starts with.
void writeDefaultRows(const Database &db)
{
    db.exec("INSERT INTO Table6 (font, size, color, headerfont, headersize, headercolor, headertitle)"
            " VALUES ('Times New Roman', '12', '0', 'Arial', '16', '0', 'Enter A Test Title Here!');"
            "INSERT INTO Table11 (skin, State, Images, balloon, Bot, fontmain, fontbold, fontItal,"
            " fontsize, fontcolor, backcolor)"
            " VALUES ('Water', 'Use', 'yes', 'yes', 'Mary', 'Sans Serif', 'False', 'False', '10', '0', '16777215');"
            "INSERT INTO Table13 (AgentInstall, skin) VALUES ('No', 'Water');");
}

// ---------------------------------------------------------------------------
// Sample content: reading and checking the JSON files

struct Question {
    QString level, text, a, b, c, d, answer, notes, picture, video;
};

struct Chapter {
    int bank = 0;
    int slot = 0;
    QString title;
    QString file; // where it was read, for messages
    std::vector<Question> questions;
};

struct Term {
    QString term, definition, chapter;
};

const QStringList kUserFields = {QStringLiteral("first"), QStringLiteral("last"), QStringLiteral("company"),
                                 QStringLiteral("address"), QStringLiteral("city"), QStringLiteral("state"),
                                 QStringLiteral("zip"), QStringLiteral("phone"), QStringLiteral("fax"),
                                 QStringLiteral("email"), QStringLiteral("comments")};

struct User {
    QStringList fields; // in the order of kUserFields
};

struct SampleContent {
    std::vector<Chapter> chapters;
    std::vector<Term> terms;
    std::vector<User> users;
};

// Names the place in the content that a message is about.
class Where {
public:
    explicit Where(QString place) : m_place(std::move(place)) {}
    Where operator/(const QString &inner) const { return Where(m_place + QStringLiteral(", ") + inner); }
    [[noreturn]] void fail(const QString &problem) const
    {
        throw BankError(m_place + QStringLiteral(": ") + problem);
    }

private:
    QString m_place;
};

// A misspelt key would otherwise drop its value without a word.
void refuseUnknownKeys(const QJsonObject &object, const QStringList &known, const Where &where)
{
    for (const QString &key : object.keys())
        if (!known.contains(key))
            where.fail(QStringLiteral("unknown field \"%1\" (expected one of: %2)").arg(key, known.join(", ")));
}

QString requiredText(const QJsonObject &object, const QString &key, const Where &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        where.fail(QStringLiteral("field \"%1\" is missing").arg(key));
    if (!value.isString())
        where.fail(QStringLiteral("field \"%1\" must be a text in quotes").arg(key));
    const QString text = value.toString();
    if (text.trimmed().isEmpty())
        where.fail(QStringLiteral("field \"%1\" is empty").arg(key));
    return text;
}

QString optionalText(const QJsonObject &object, const QString &key, const Where &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        where.fail(QStringLiteral("field \"%1\" must be a text in quotes").arg(key));
    return value.toString();
}

int requiredWholeNumber(const QJsonObject &object, const QString &key, const Where &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        where.fail(QStringLiteral("field \"%1\" is missing").arg(key));
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || std::abs(number) > 1e6)
        where.fail(QStringLiteral("field \"%1\" must be a whole number").arg(key));
    return int(number);
}

QJsonArray requiredArray(const QJsonObject &object, const QString &key, const Where &where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        where.fail(QStringLiteral("field \"%1\" is missing").arg(key));
    if (!value.isArray())
        where.fail(QStringLiteral("field \"%1\" must be a list in [ ]").arg(key));
    return value.toArray();
}

QJsonObject requiredObject(const QJsonValue &value, const Where &where)
{
    if (!value.isObject())
        where.fail(QStringLiteral("expected an object in { }"));
    return value.toObject();
}

// Pictures and videos are looked up by name in the program's folder for them.
void checkFileName(const char *key, const QString &name, const Where &where)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        where.fail(QStringLiteral("%1 \"%2\" must be a bare file name, without a folder").arg(QLatin1String(key), name));
    if (name.trimmed() != name || name == QLatin1String(".") || name == QLatin1String(".."))
        where.fail(QStringLiteral("%1 \"%2\" is not a usable file name").arg(QLatin1String(key), name));
}

Question readQuestion(const QJsonObject &object, const Where &where)
{
    refuseUnknownKeys(object,
                      {"level", "question", "A", "B", "C", "D", "answer", "notes", "picture", "video"}, where);
    Question q;
    q.level = requiredText(object, "level", where);
    if (q.level != QLatin1String("1") && q.level != QLatin1String("2"))
        where.fail(QStringLiteral("level \"%1\" must be \"1\" or \"2\"").arg(q.level));
    q.text = requiredText(object, "question", where);
    q.a = requiredText(object, "A", where);
    q.b = requiredText(object, "B", where);
    q.c = requiredText(object, "C", where);
    q.d = requiredText(object, "D", where);
    q.answer = requiredText(object, "answer", where);
    if (q.answer.size() != 1 || q.answer < QLatin1String("A") || q.answer > QLatin1String("D"))
        where.fail(QStringLiteral("answer \"%1\" must be one letter, A, B, C or D").arg(q.answer));
    q.notes = optionalText(object, "notes", where);
    q.picture = optionalText(object, "picture", where);
    if (!q.picture.isEmpty())
        checkFileName("picture", q.picture, where);
    q.video = optionalText(object, "video", where);
    if (!q.video.isEmpty())
        checkFileName("video", q.video, where);
    return q;
}

Chapter readChapter(int bank, const QJsonObject &object, const QString &file, const Where &where)
{
    refuseUnknownKeys(object, {"slot", "title", "questions"}, where);
    Chapter chapter;
    chapter.bank = bank;
    chapter.file = file;
    chapter.slot = requiredWholeNumber(object, "slot", where);
    if (chapter.slot < 1 || chapter.slot > slotCount(bank))
        where.fail(QStringLiteral("slot %1 is out of range: bank %2 has slots 1 to %3")
                       .arg(chapter.slot).arg(bank).arg(slotCount(bank)));
    chapter.title = requiredText(object, "title", where);
    const Where here = where / QStringLiteral("slot %1 (\"%2\")").arg(chapter.slot).arg(chapter.title);

    // Every bank-1 chapter holds questions; banks 2 and 3 may name a chapter
    // for its button before any question is written for it.
    QJsonArray questions;
    if (bank == 1 || object.contains("questions"))
        questions = requiredArray(object, "questions", here);
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const Where place = here / QStringLiteral("question %1").arg(i + 1);
        chapter.questions.push_back(readQuestion(requiredObject(questions.at(i), place), place));
    }
    return chapter;
}

void readBank(const QJsonObject &object, const QString &file, const Where &where, SampleContent &content)
{
    refuseUnknownKeys(object, {"bank", "chapters"}, where);
    const int bank = requiredWholeNumber(object, "bank", where);
    if (bank < 1 || bank > 3)
        where.fail(QStringLiteral("bank %1 does not exist: banks are 1, 2 and 3").arg(bank));
    const Where here = where / QStringLiteral("bank %1").arg(bank);
    const QJsonArray chapters = requiredArray(object, "chapters", here);
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const Where place = here / QStringLiteral("chapter %1").arg(i + 1);
        content.chapters.push_back(readChapter(bank, requiredObject(chapters.at(i), place), file, place));
    }
}

void readTerms(const QJsonObject &object, const Where &where, SampleContent &content)
{
    const QJsonArray terms = requiredArray(object, "terms", where);
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const Where place = where / QStringLiteral("term %1").arg(i + 1);
        const QJsonObject entry = requiredObject(terms.at(i), place);
        refuseUnknownKeys(entry, {"term", "definition", "chapter"}, place);
        content.terms.push_back({requiredText(entry, "term", place), requiredText(entry, "definition", place),
                                 requiredText(entry, "chapter", place)});
    }
}

void readUsers(const QJsonObject &object, const Where &where, SampleContent &content)
{
    const QJsonArray users = requiredArray(object, "users", where);
    for (qsizetype i = 0; i < users.size(); ++i) {
        const Where place = where / QStringLiteral("user %1").arg(i + 1);
        const QJsonObject entry = requiredObject(users.at(i), place);
        refuseUnknownKeys(entry, kUserFields, place);
        User user;
        for (const QString &field : kUserFields)
            user.fields << optionalText(entry, field, place);
        if (user.fields.at(1).trimmed().isEmpty()) // users are found by last name
            place.fail(QStringLiteral("field \"last\" is missing or empty"));
        content.users.push_back(user);
    }
}

QJsonObject parseFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = bytes.left(error.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
        throw BankError(QStringLiteral("%1:%2:%3: not valid JSON: %4")
                            .arg(path, QString::number(line), QString::number(column), error.errorString()));
    }
    if (!document.isObject())
        throw BankError(QStringLiteral("%1: expected an object in { } at the top").arg(path));
    return document.object();
}

// Files are told apart by what they hold, not by their names.
void readContentFile(const QString &path, SampleContent &content)
{
    const QJsonObject top = parseFile(path);
    const QString file = QFileInfo(path).fileName();
    const Where where(file);
    if (top.contains("bank") || top.contains("chapters")) {
        readBank(top, file, where, content);
    } else if (top.contains("banks")) {
        refuseUnknownKeys(top, {"banks"}, where);
        const QJsonArray banks = requiredArray(top, "banks", where);
        for (qsizetype i = 0; i < banks.size(); ++i) {
            const Where place = where / QStringLiteral("banks entry %1").arg(i + 1);
            readBank(requiredObject(banks.at(i), place), file, place, content);
        }
    } else if (top.contains("terms")) {
        refuseUnknownKeys(top, {"terms"}, where);
        readTerms(top, where, content);
    } else if (top.contains("users")) {
        refuseUnknownKeys(top, {"users"}, where);
        readUsers(top, where, content);
    } else {
        where.fail(QStringLiteral("not a content file: expected \"bank\" and \"chapters\", \"banks\", "
                                  "\"terms\" or \"users\" at the top"));
    }
}

// Checks that span files. Questions are filed under their chapter's title and
// the database compares text without regard to case, so two chapters whose
// titles differ only in case would share their questions.
void checkAcrossFiles(SampleContent &content)
{
    std::map<std::pair<int, int>, const Chapter *> bySlot;
    std::map<QString, const Chapter *> byTitle;
    const auto named = [](const Chapter *chapter) {
        return QStringLiteral("bank %1 slot %2 (%3)").arg(chapter->bank).arg(chapter->slot).arg(chapter->file);
    };
    for (const Chapter &chapter : content.chapters) {
        const auto [slot, slotIsNew] = bySlot.emplace(std::pair(chapter.bank, chapter.slot), &chapter);
        if (!slotIsNew)
            throw BankError(QStringLiteral("bank %1 slot %2 is given twice: \"%3\" (%4) and \"%5\" (%6)")
                                .arg(chapter.bank).arg(chapter.slot)
                                .arg(slot->second->title, slot->second->file, chapter.title, chapter.file));
        const auto [title, titleIsNew] = byTitle.emplace(chapter.title.toCaseFolded(), &chapter);
        if (!titleIsNew)
            throw BankError(QStringLiteral("chapter title \"%1\" is used twice: %2 and %3")
                                .arg(chapter.title, named(title->second), named(&chapter)));
    }
    if (content.chapters.empty())
        throw BankError(QStringLiteral("no chapters found in the sample folder"));

    // A term is filed under its chapter's title exactly as the chapter spells it.
    QSet<QString> seenTerms;
    for (Term &term : content.terms) {
        const auto chapter = byTitle.find(term.chapter.toCaseFolded());
        if (chapter == byTitle.end())
            throw BankError(QStringLiteral("term \"%1\": chapter \"%2\" is not the title of any chapter")
                                .arg(term.term, term.chapter));
        term.chapter = chapter->second->title;
        const QString key = term.term.toCaseFolded();
        if (seenTerms.contains(key))
            throw BankError(QStringLiteral("term \"%1\" is defined twice").arg(term.term));
        seenTerms.insert(key);
    }

    // Banks in order, chapters by slot; the files may come in any order.
    std::stable_sort(content.chapters.begin(), content.chapters.end(), [](const Chapter &l, const Chapter &r) {
        return std::pair(l.bank, l.slot) < std::pair(r.bank, r.slot);
    });
    std::stable_sort(content.terms.begin(), content.terms.end(), [](const Term &l, const Term &r) {
        return QString::compare(l.term, r.term, Qt::CaseInsensitive) < 0;
    });
}

SampleContent readSample(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        throw BankError(QStringLiteral("sample folder %1 does not exist").arg(folder));
    SampleContent content;
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        readContentFile(dir.filePath(file), content);
    checkAcrossFiles(content);
    return content;
}

std::string utf8(const QString &text) { return text.toStdString(); }

struct Summary {
    std::int64_t questions = 0, chapters = 0, terms = 0, users = 0;
};

Summary writeSample(const Database &db, const SampleContent &content)
{
    QuestionWriter questions(db);
    ButtonTitles buttons;
    std::vector<std::string> chapterList;
    for (const Chapter &chapter : content.chapters) {
        const std::string title = utf8(chapter.title);
        chapterList.push_back(title);
        const std::span<std::string> bank = chapter.bank == 1 ? std::span<std::string>(buttons.bank1)
                   : chapter.bank == 2 ? std::span<std::string>(buttons.bank2)
                                       : std::span<std::string>(buttons.bank3);
        bank[std::size_t(chapter.slot - 1)] = title;

        int number = 0;
        for (const Question &q : chapter.questions) {
            QuestionRow row;
            row.qnum = std::to_string(++number);
            row.chapter = title;
            row.level = utf8(q.level);
            row.question = utf8(q.text);
            row.a = utf8(q.a);
            row.b = utf8(q.b);
            row.c = utf8(q.c);
            row.d = utf8(q.d);
            row.answer = utf8(q.answer);
            row.memo = utf8(q.notes);
            row.picture = utf8(q.picture);
            row.video = utf8(q.video);
            questions.add(row);
        }
    }
    writeButtonTitles(db, buttons);
    writeChapterList(db, chapterList);

    Statement user(db, "INSERT INTO Table5 (\"first\", \"last\", company, address, city, state, zip,"
                       " phone, fax, email, comments) VALUES (" + placeholders(11) + ")");
    for (const User &entry : content.users) {
        std::vector<std::string> fields;
        for (const QString &field : entry.fields)
            fields.push_back(utf8(field));
        for (std::size_t i = 0; i < fields.size(); ++i)
            user.bind(int(i + 1), fields[i]);
        user.run();
    }

    Statement term(db, "INSERT INTO Table7 (Terms, Def, Chapter) VALUES (?, ?, ?)");
    for (const Term &entry : content.terms) {
        const std::string name = utf8(entry.term), definition = utf8(entry.definition), chapter = utf8(entry.chapter);
        term.bind(1, name);
        term.bind(2, definition);
        term.bind(3, chapter);
        term.run();
    }

    writeDefaultRows(db);
    return {questions.count(), std::int64_t(content.chapters.size()), std::int64_t(content.terms.size()),
            std::int64_t(content.users.size())};
}

// ---------------------------------------------------------------------------
// Synthetic bank

// splitmix64: a fixed seed gives the same bank on every machine and compiler.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t bound) { return std::size_t(next() % bound); }
    std::size_t between(std::size_t low, std::size_t high) { return low + below(high - low + 1); }
    bool percent(unsigned chance) { return below(100) < chance; }

private:
    std::uint64_t m_state;
};

constexpr std::array<std::string_view, 96> kWords = {
    "water", "pressure", "nozzle", "pump", "engine", "crew", "captain", "station", "training", "valve",
    "hydrant", "flow", "attack", "line", "roof", "wall", "door", "window", "floor", "stair",
    "rescue", "victim", "search", "heat", "flame", "fuel", "oxygen", "gas", "vent", "fan",
    "radio", "command", "officer", "team", "tool", "axe", "rope", "knot", "helmet", "glove",
    "boot", "coat", "mask", "cylinder", "alarm", "sprinkler", "pipe", "standpipe", "foam", "class",
    "burn", "temperature", "building", "structure", "truss", "beam", "column", "load", "weight", "safety",
    "procedure", "inspection", "report", "the", "a", "of", "to", "in", "for", "with",
    "on", "at", "by", "from", "during", "after", "before", "when", "which", "what",
    "is", "are", "should", "must", "can", "first", "second", "primary", "secondary", "interior",
    "exterior", "proper", "correct", "common", "typical", "minimum",
};

// Keyword searches in the benchmarks find exactly the rows these were put into.
struct Sprinkle {
    std::string_view word;
    unsigned percent;
};
constexpr std::array<Sprinkle, 3> kKeywords = {{{"smoke", 6}, {"ladder", 4}, {"hose", 9}}};

constexpr bool wordListAvoidsKeywords()
{
    for (std::string_view word : kWords)
        for (const Sprinkle &keyword : kKeywords)
            if (word.find(keyword.word) != std::string_view::npos)
                return false;
    return true;
}
static_assert(wordListAvoidsKeywords(), "a filler word contains a search keyword");

std::string words(Generator &random, std::size_t count, std::vector<std::string_view> extra = {})
{
    std::vector<std::string_view> chosen;
    for (std::size_t i = 0; i < count; ++i)
        chosen.push_back(kWords[random.below(kWords.size())]);
    for (std::string_view word : extra)
        chosen.insert(chosen.begin() + std::ptrdiff_t(random.below(chosen.size() + 1)), word);

    std::string text;
    for (std::string_view word : chosen) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

std::string syntheticTitle(std::int64_t index)
{
    char title[48];
    std::snprintf(title, sizeof title, "Synthetic Chapter %03lld", static_cast<long long>(index));
    return title;
}

constexpr std::int64_t kSyntheticChapterSize = 100;

Summary writeSynthetic(const Database &db, std::int64_t count)
{
    Generator random(20240611);
    QuestionWriter questions(db);
    const std::int64_t chapterCount = (count + kSyntheticChapterSize - 1) / kSyntheticChapterSize;

    QuestionRow row;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t chapter = i / kSyntheticChapterSize + 1;
        row.qnum = std::to_string(i % kSyntheticChapterSize + 1);
        if (i % kSyntheticChapterSize == 0)
            row.chapter = syntheticTitle(chapter);
        row.level = i % 2 == 0 ? "1" : "2";

        std::vector<std::string_view> keywords;
        for (const Sprinkle &keyword : kKeywords)
            if (random.percent(keyword.percent))
                keywords.push_back(keyword.word);
        row.question = words(random, random.between(9, 22), keywords) + "?";
        row.a = words(random, random.between(1, 7));
        row.b = words(random, random.between(1, 7));
        row.c = words(random, random.between(1, 7));
        row.d = words(random, random.between(1, 7));
        row.answer = std::string(1, char('A' + random.below(4)));
        row.memo = random.percent(60) ? words(random, random.between(12, 30)) + "." : std::string();
        row.x = random.percent(10) ? "Y" : "";
        row.elephant = random.percent(5) ? "X" : "";
        row.picture = random.percent(10) ? "scba.jpg" : "";
        questions.add(row);
    }

    ButtonTitles buttons;
    std::vector<std::string> chapterList;
    for (std::int64_t chapter = 1; chapter <= chapterCount; ++chapter) {
        chapterList.push_back(syntheticTitle(chapter));
        if (chapter <= kBank1Slots)
            buttons.bank1[std::size_t(chapter - 1)] = chapterList.back();
    }
    writeButtonTitles(db, buttons);
    writeChapterList(db, chapterList);
    writeDefaultRows(db);
    return {questions.count(), chapterCount, 0, 0};
}

// ---------------------------------------------------------------------------
// Writing the file

QByteArray readSchema(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BankError(QStringLiteral("cannot read the schema %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

template <typename Fill>
Summary writeDatabase(const QString &schemaPath, const QString &outPath, Fill fill)
{
    const QByteArray schema = readSchema(schemaPath);
    const QFileInfo out(outPath);
    if (!out.absoluteDir().exists())
        throw BankError(QStringLiteral("the folder of %1 does not exist").arg(outPath));
    if (out.isDir())
        throw BankError(QStringLiteral("%1 is a folder").arg(outPath));

    QTemporaryFile partial(out.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(out.fileName())));
    if (!partial.open())
        throw BankError(QStringLiteral("cannot create a file beside %1: %2").arg(outPath, partial.errorString()));
    partial.close();
    partial.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    Summary summary;
    {
        Database db(partial.fileName());
        // No journal while building: a failed run throws the whole file away.
        // The one commit still reaches the disk before the file is renamed.
        db.exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=NORMAL;");
        db.exec("BEGIN");
        db.exec(schema);
        summary = fill(db);
        db.exec("COMMIT");
        db.exec("PRAGMA journal_mode=DELETE;");
    }

    std::error_code error;
    std::filesystem::rename(QFile::encodeName(partial.fileName()).toStdString(),
                            QFile::encodeName(out.absoluteFilePath()).toStdString(), error);
    if (error)
        throw BankError(QStringLiteral("cannot replace %1: %2").arg(outPath, QString::fromStdString(error.message())));
    partial.setAutoRemove(false);
    return summary;
}

void printSummary(const QString &outPath, const Summary &s)
{
    std::printf("makebank: wrote %s: %lld questions, %lld chapters, %lld terms, %lld users\n",
                qPrintable(QDir::toNativeSeparators(outPath)), static_cast<long long>(s.questions),
                static_cast<long long>(s.chapters), static_cast<long long>(s.terms), static_cast<long long>(s.users));
}

int usageError(const QCommandLineParser &parser, const QString &problem)
{
    std::fprintf(stderr, "makebank: %s\n\n%s", qPrintable(problem), qPrintable(parser.helpText()));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("makebank"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the question database."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption schema(QStringLiteral("schema"), QStringLiteral("The schema SQL file."), QStringLiteral("file"));
    const QCommandLineOption sample(QStringLiteral("sample"), QStringLiteral("Folder of the JSON sample content."),
                                    QStringLiteral("folder"));
    const QCommandLineOption synthetic(QStringLiteral("synthetic"),
                                       QStringLiteral("Write N made-up questions instead of the sample."),
                                       QStringLiteral("N"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The database file to write."), QStringLiteral("file"));
    parser.addOptions({help, schema, sample, synthetic, out});

    if (!parser.parse(app.arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(parser, QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(schema) || !parser.isSet(out))
        return usageError(parser, QStringLiteral("--schema and --out are required"));
    if (parser.isSet(sample) == parser.isSet(synthetic))
        return usageError(parser, QStringLiteral("give either --sample or --synthetic"));

    std::optional<std::int64_t> syntheticCount;
    if (parser.isSet(synthetic)) {
        bool ok = false;
        const qlonglong n = parser.value(synthetic).toLongLong(&ok);
        if (!ok || n < 1 || n > 100'000'000)
            return usageError(parser, QStringLiteral("--synthetic wants a whole number from 1 to 100000000, not \"%1\"")
                                          .arg(parser.value(synthetic)));
        syntheticCount = n;
    }

    try {
        Summary summary;
        if (syntheticCount) {
            summary = writeDatabase(parser.value(schema), parser.value(out),
                                    [&](const Database &db) { return writeSynthetic(db, *syntheticCount); });
        } else {
            const SampleContent content = readSample(parser.value(sample));
            summary = writeDatabase(parser.value(schema), parser.value(out),
                                    [&](const Database &db) { return writeSample(db, content); });
        }
        printSummary(parser.value(out), summary);
        return 0;
    } catch (const BankError &error) {
        std::fprintf(stderr, "makebank: error: %s\n", error.what());
        return 1;
    }
}
