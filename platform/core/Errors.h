#pragma once

#include "platform/core/RuntimeError.h"

#include <QString>
#include <QStringView>

namespace platform {

// One kind of error the program raises: the number the windows test for and
// the text, with %1, %2 ... standing for the details given when it is raised.
// Calling the kind makes the error, so a layer writes
//   throw errors::fileNotFound(path);
// and a window that tests for it compares error.number() with
// errors::fileNotFound.number.
template <class... Details>
struct ErrorKind {
    int number;
    QStringView text;

    RuntimeError operator()(const Details&... details) const
    {
        if constexpr (sizeof...(Details) == 0)
            return RuntimeError(number, text.toString());
        else
            return RuntimeError(number, text.toString().arg(detailText(details)...));
    }

private:
    static QString detailText(const QString& detail) { return detail; }
    static QString detailText(int detail) { return QString::number(detail); }
};

// Every error the program raises, by number. Some numbers stand for several
// texts: the windows tell the errors apart by number only.
namespace errors {

using Text = ErrorKind<QString>;
using TwoTexts = ErrorKind<QString, QString>;
using Count = ErrorKind<int>;

// name                                       number  text
inline constexpr ErrorKind<> invalidProcedureCall{5, u"Invalid procedure call or argument"};
inline constexpr Text invalidGesture{5, u"The character has no gesture '%1'."};
inline constexpr Text programNotStarted{5, u"The program '%1' could not be started."};
inline constexpr ErrorKind<> overflow{6, u"Overflow"};
inline constexpr ErrorKind<> divisionByZero{11, u"Division by zero"};
inline constexpr ErrorKind<> typeMismatch{13, u"Type mismatch"};
inline constexpr Text characterFileMissing{53, u"Character file not found: '%1'."};
inline constexpr Text programMissing{53, u"File not found: '%1'."};
inline constexpr TwoTexts characterFileUnwritable{75, u"Cannot write the character file '%1': %2"};
inline constexpr TwoTexts fileNotCopied{75, u"Cannot copy the file '%1': %2"};
inline constexpr Text pathNotFound{76, u"Path not found: '%1'."};
inline constexpr TwoTexts savedTestUnwritable{75, u"Cannot save the test to '%1': %2"};
inline constexpr TwoTexts savedTestUnreadable{75, u"Cannot read the saved test '%1': %2"};
inline constexpr ErrorKind<> objectNotSet{91, u"Object variable or With block variable not set"};
inline constexpr TwoTexts characterFileInvalid{321, u"Invalid character file '%1': %2"};
inline constexpr Text notASavedTest{321, u"'%1' is not a saved test."};
inline constexpr TwoTexts savedTestDamaged{321, u"The saved test '%1' is damaged and cannot be opened: %2"};
inline constexpr Text savedTestTooNew{321, u"The saved test '%1' was written by a newer version of this program."};
inline constexpr Count controlArrayElementMissing{340, u"Control array element '%1' doesn't exist"};
inline constexpr ErrorKind<> controlArrayElementLoaded{360, u"Object already loaded"};
inline constexpr ErrorKind<> invalidPropertyValue{380, u"Invalid property value"};
inline constexpr Text printerError{482, u"Printer error: %1"};
inline constexpr Text engineFailure{3000, u"Database error: %1"};
inline constexpr ErrorKind<> updateWithoutEdit{3020, u"Update or CancelUpdate without AddNew or Edit."};
inline constexpr ErrorKind<> noCurrentRecord{3021, u"No current record."};
inline constexpr ErrorKind<> duplicateOrInvalid{3022,
                                                u"The change would put a duplicate or invalid value into the table."};
inline constexpr Text fileNotFound{3024, u"Could not find file '%1'."};
inline constexpr ErrorKind<> diskFull{3026, u"Not enough space on disk."};
inline constexpr ErrorKind<> readOnly{3027, u"Cannot update. Database or object is read-only."};
inline constexpr Text damaged{3049, u"The database '%1' is damaged and cannot be read."};
inline constexpr TwoTexts cannotOpen{3051, u"Cannot open the file '%1': %2"};
inline constexpr Count tooFewParameters{3061, u"Too few parameters. Expected %1."};
inline constexpr Text syntaxError{3075, u"Syntax error in query expression '%1'."};
inline constexpr Text tableNotFound{3078, u"Cannot find the input table or query '%1'."};
inline constexpr Text undefinedFunction{3085, u"Undefined function '%1' in expression."};
inline constexpr Text badSelect{3141, u"The SELECT statement cannot be read: '%1'."};
inline constexpr Text fieldNotUpdatable{3164, u"Field '%1' cannot be updated."};
inline constexpr ErrorKind<> recordDeleted{3167, u"Record is deleted."};
inline constexpr ErrorKind<> locked{3260, u"Could not update; currently locked."};
inline constexpr ErrorKind<> itemNotFound{3265, u"Item not found in this collection."};
inline constexpr Text unrecognizedFormat{3343, u"Unrecognized database format '%1'."};
inline constexpr ErrorKind<> conversionError{3421, u"Data type conversion error."};
inline constexpr ErrorKind<> indexOutOfBounds{35600, u"Index out of bounds"};
inline constexpr ErrorKind<> elementNotFound{35601, u"Element not found"};
inline constexpr Text characterNotLoaded{35601, u"The character '%1' is not loaded."};
inline constexpr ErrorKind<> keyNotUnique{35602, u"Key is not unique in collection"};
inline constexpr Text characterAlreadyLoaded{35602, u"The character '%1' is already loaded."};

} // namespace errors

} // namespace platform
