#pragma once

// A row that a search found, with what the result list shows of it.

#include <QDateTime>
#include <cstdint>
#include <string>

enum class TSearchSourceKind : uint8_t { OpenTape, ArchivedTape };

// The tape a result comes from.
struct TSearchSource {
    TSearchSourceKind kind = TSearchSourceKind::OpenTape;
    // An open tape: its place among the open tapes searched, and its name.
    int32_t openTape = -1;
    std::string name;
    // An archived tape: its file and when it was kept.
    std::string path;
    QDateTime keptAt;
};

struct TSearchResult {
    TSearchSource source;
    // The row of the tape (as opening an archived file numbers its rows).
    int32_t row = 0;
    // As the tape shows them: the value in the display form with the
    // tape's decimals (empty for zero), the operator and the comment.
    std::string value;
    std::string op;
    std::string comment;
};
