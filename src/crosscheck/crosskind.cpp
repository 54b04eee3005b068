// The kinds of findings, as the reports and the tab-separated rows name them.
#include "crosscheck/crosscheck.h"

namespace qz {

const char* CrossKindName(TCrossKind kind) {
    switch (kind) {
        case TCrossKind::NIL: return "NIL";
        case TCrossKind::BustedCall: return "BUSTED-CALL";
        case TCrossKind::BustedExchange: return "BUSTED-EXCHANGE";
        case TCrossKind::Band: return "BAND";
        case TCrossKind::Unique: return "UNIQUE";
        case TCrossKind::Clock: return "CLOCK";
    }
    return "?";
}

bool CrossKindRemoves(TCrossKind kind) {
    return kind == TCrossKind::NIL || kind == TCrossKind::BustedCall || kind == TCrossKind::BustedExchange ||
           kind == TCrossKind::Band;
}

}  // namespace qz
