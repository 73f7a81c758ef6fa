#pragma once

namespace vendrix::season {

// Letters of Windows-1252 text (the season files' bytes) for matching and ordering names.

// The small form of a letter: A-Z, the accented capitals, and Š, Œ, Ž, Ÿ; other bytes unchanged.
char lowerWindows1252(char c);

// The plain small letter an accented letter is written with (é, É, È -> e; Ñ -> n; Æ -> a; ß -> s),
// so that names sort beside their unaccented spelling; a byte that is no letter stays as it is,
// and a plain capital becomes small.
char plainLetterWindows1252(char c);

} // namespace vendrix::season
