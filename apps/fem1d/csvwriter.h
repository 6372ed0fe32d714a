#ifndef FEM1D_APP_CSVWRITER_H
#define FEM1D_APP_CSVWRITER_H

#include <string>

#include "tables.h"

// The table as CSV: a header row, then one line per row; numbers in the
// shortest text that reads back to the same double (std::to_chars), NaN as
// an empty field. Large tables are formatted on several threads; the text
// is the same.
std::string CsvText(const Table& in_o_Table);

#endif
