// RemoveData0: the operator deleted a QSO in the host's log.
#include "plugin/plugin.h"

namespace corvane {

// Only call and band identify the QSO; the band stays in the band list and the other records
// keep their dupe marks.
int Plugin::RemoveData0(const QsoArgs& qso) {
    state_.shared.Lock()->qsoList.RemoveFirst(qso.call, qso.band);
    return 1;
}

}  // namespace corvane
