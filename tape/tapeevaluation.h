#pragma once

// TTapeEvaluation: the evaluation of a tape document, kept from one pass to
// the next.
//
// The tape is evaluated with a running value. The operator of a row combines
// the running value with the number of the next row; a row without operator
// ends a calculation and the next one starts from the row after it. A row
// after "%" receives the percentage (the number of the "%" row taken of the
// number above it), a row after "=" the total and a row after "G" the grand
// total (the sum of the totals since the grand total before it); a linked
// row takes its source's value. The pass reaches one row past the last used
// row, so a total or percent amount due after the last row is written there.
//
// The running value after each row is kept, so the next pass starts at the
// first row a change of the document can affect (the evaluation observes
// the document for that) and gives the result a pass from row 0 gives.

#include <cstdint>
#include <vector>

#include "tape/tapedocument.h"
#include "tape/tapeoptions.h"

class TTapeEvaluation : private TTapeObserver {
public:
    // Writes the rows it computes into `tape`, which must outlive it.
    explicit TTapeEvaluation(TTapeDocument& tape);
    ~TTapeEvaluation() override;
    TTapeEvaluation(const TTapeEvaluation&) = delete;
    TTapeEvaluation& operator=(const TTapeEvaluation&) = delete;

    // Brings the evaluation up to date with the document under `options`:
    // rewrites computed and linked rows (and, with every number rounded, the
    // numbers themselves) from the first stale row on.
    void Update(const TTapeOptions& options);
    // The running value after row `target` as the last pass left it (0 for
    // a row before the tape or past the pass).
    double ResultAt(int32_t target) const;
    // Forgets the running values kept: the next pass goes through the whole
    // tape (after a change of the options).
    void Invalidate() { dirtyFrom_ = 0; }

private:
    void Evaluate(int32_t first, const TTapeOptions& options);

    void TapeRowsChanged(int32_t first, int32_t last) override;
    void TapeRowCountChanged() override {}
    void TapeCurrentRowChanged() override {}

    TTapeDocument& tape_;
    // The running value after each row, the value RecalcTape gives for each
    // row, and the last row the pass reached. Rows from dirtyFrom_ on are
    // stale.
    std::vector<double> runningAfter_;
    std::vector<double> resultAt_;
    int32_t evaluatedTo_ = -1;
    int32_t dirtyFrom_ = 0;
};
