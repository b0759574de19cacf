#pragma once

#include <functional>

// Told now and then how far a long piece of picture work has come, as a
// share from 0 to 1000; answers false to stop the work. An empty function
// never stops it.
using TImportProgress = std::function<bool(int permille)>;

// Asks `progress` about row `done` of `total` once every `every` rows; true
// means go on.
inline bool ReportRows(const TImportProgress& progress, int done, int total, int every = 64) {
    if (!progress || done % every != 0 || total <= 0)
        return true;
    return progress(static_cast<int>(static_cast<long long>(done) * 1000 / total));
}

// The progress of one part of the work that covers `span` of the whole's
// 1000, starting at `offset`. Empty when the whole is.
inline TImportProgress ProgressPart(const TImportProgress& whole, int offset, int span) {
    if (!whole)
        return {};
    return [&whole, offset, span](int permille) { return whole(offset + permille * span / 1000); };
}
