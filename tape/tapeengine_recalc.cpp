// TTapeEngine: the evaluation of the tape.

#include "tape/tapeengine.h"

double TTapeEngine::RecalcTape(int32_t target) {
    if (recalcSuspended_) return 0;
    Action action(*this);
    evaluation_.Update(options_);
    Q_EMIT Evaluated();
    return evaluation_.ResultAt(target);
}
