#pragma once

// What the locale library exports, by name; a control finds them with the
// dynamic loader, never by linking.
extern "C" {

// The offset of the current language's texts in the string table.
__attribute__((visibility("default"))) int QvGetLocale();
// Copies string id into the buffer, always terminated; answers its length,
// 0 when the table has no such string.
__attribute__((visibility("default"))) int QvLoadString(int id, char* buffer, int size);

using QvGetLocaleEntry = int (*)();
using QvLoadStringEntry = int (*)(int, char*, int);
}
