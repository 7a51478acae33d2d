// ParsePageNumbers: the page-range text of the print dialog ("1,3,5-12",
// "5-" up to the last page) turned into the list of page numbers to print.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rq::report::printing {

// Spaces are ignored; an empty text gives an empty list (all pages). The
// numbers come back as decimal texts in the order written, duplicates kept;
// a range whose end is below its start adds nothing. A segment that is not a
// whole number (letters, or empty as in "1,,3" and "-3") raises EConvertError
// "'%s' is not a valid integer value".
std::vector<std::string> ParsePageNumbers(std::string_view text, int pageCount);

} // namespace rq::report::printing
