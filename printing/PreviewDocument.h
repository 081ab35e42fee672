#pragma once

#include <QLatin1StringView>
#include <QString>

namespace print {
class PrintControl;
}

// How a printed product reaches the print preview. The program has one print
// document, held by the preview window: a product composes into it and then
// shows it.
//
//   print::PrintControl& document = printing::printDocument();
//   document.startDocument();
//   ... compose ...
//   document.endDocument();
//   printing::showDocument(printing::constructedTestPackage, printing::Return::toCaller);
//
// Settings (fonts, header, columns, frame) stay in the document from one
// product to the next while the preview window is loaded, so a product sets
// what it names and inherits the rest.
namespace printing {

// Captions the preview names its document with.
inline constexpr QLatin1StringView constructedTestPackage{"Constructed Test Package"};
inline constexpr QLatin1StringView savedTestCaption{"Saved Test"};

// Where leaving the preview goes: back to whatever window is active next, or
// to the terminology window for its printouts.
enum class Return { toCaller, toTerminology };

// The one print document; loads the preview window hidden on first use.
print::PrintControl& printDocument();

// Shows the document in the preview under the caption, from its first page.
// Every product says where leaving it returns, so a terminology printout
// left unfinished cannot send a later product's preview there.
void showDocument(const QString& caption, Return back);

// Asks for a saved test and shows it in the preview, as the preview's Open
// does; a cancelled dialog shows nothing and changes nothing.
void openSavedTest();

} // namespace printing
