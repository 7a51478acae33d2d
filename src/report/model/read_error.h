// "Stream read error": stored data of a report (defined data, collections,
// picture bytes, hexadecimal text) that is not in the form its writer makes.
#pragma once

namespace rq::report::model {

[[noreturn]] void raiseStreamReadError();

} // namespace rq::report::model
