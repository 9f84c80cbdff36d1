#pragma once

#include <QByteArray>

class QTextDocument;

namespace quillon {

// Serialises the document as a complete RTF file (7-bit ASCII, deterministic).
//
// - One font: the document's default font family and size.
// - Colour table: entry 0 is "auto" (the reader's default text colour); after it every distinct
//   explicit foreground colour used by the written text, in order of first use. Text without an
//   explicit foreground is written as auto (\cf0), so it is not the same as explicit black.
// - Every block becomes a paragraph ended by \par, except a trailing empty last block: the
//   paragraph break before it already ends the text, so "N lines" give N paragraphs.
// - Only bold and foreground colour are kept from the character formats.
// - Control characters (below U+0020 except tab, and U+007F) are dropped; an unpaired surrogate
//   is written as U+FFFD. Everything else, including text that looks like RTF, is written as
//   literal text: \ { } escaped, tab as \tab, U+2028 as \line, non-ASCII as \uN per UTF-16
//   unit with a one-character fallback (the cp1252 byte for U+00A0..U+00FF, else '?').
QByteArray writeRtf(const QTextDocument &document);

} // namespace quillon
