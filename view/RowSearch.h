#pragma once
#include <string>

class IRowStore;

// The search of the list by typed text (the list control asks for it when
// the user types the first letters of a file name): the first row from
// `start` on whose column 0 text starts with the text (prefix) or equals
// it, without regard to case in the code page; with wrap the rows before
// `start` follow. -1 when no row matches.
int FindRowByText(const IRowStore& rows, int start, const std::string& text, bool prefix,
                  bool wrap);
