#pragma once

// The predictions for other calendars: the next three expected periods and the fertile
// window before each, as an iCalendar file (RFC 5545) that any calendar program imports.
// Links no Qt; the caller translates the texts. The file is described in
// docs/export-format.md.

#include <functional>
#include <string>

#include "cycle/cycleinfo.h"
#include "exchange/exchange.h"

namespace velmora {

// A pattern of exchange/texts.h (context "Exchange") in the user's language. An empty
// function keeps the English source texts.
using TranslatePattern = std::function<std::string(const char* pattern)>;

// Whether the engine's result `info` (after Analyze) predicts anything. It does not when it
// saw no bleeding in its window (it then predicts from a placeholder date in 1990), or was
// never analysed; `why` then says so.
bool CanExportPredictions(const CycleInfo& info, ExchangeError& why);

// The predictions of `info` as iCalendar text: for each predicted start, an all-day event
// for the period (the average bleeding length) and one for the six fertile days. `now` is
// the moment of the export (DTSTAMP, SEQUENCE). False, with the reason, when
// CanExportPredictions says no.
bool FormatPredictions(const CycleInfo& info, CTime now, const TranslatePattern& translate,
                       std::string& out, ExchangeError& error);

// The same into a file, at the clock's "now", written like the diary's exports: a temporary
// file beside it, synced, renamed over `path` (mode 0600). Nothing is written when there is
// nothing to predict.
bool ExportPredictionsToFile(const std::string& path, const CycleInfo& info,
                             const TranslatePattern& translate, ExchangeError& error);

}  // namespace velmora
