// The eight clips. The first, second and sixth always play; the others only while sound is on.
#pragma once

#include "state/session.h"

namespace tallyrope {

inline void playwav1(Session& s) {
    s.ui.playSound(4450);
} // click of a button
inline void playwav2(Session& s) {
    s.ui.playSound(4500);
} // minimize
inline void playwav6(Session& s) {
    s.ui.playSound(5600);
} // console shown or hidden

// The clips that the sound switch silences.
enum class Clip { Hit = 4600, Miss = 4650, NewRound = 4700, Win = 5650, Loss = 5700 };

inline void playUnlessOff(Session& s, Clip clip) {
    if (s.settings.soundOn()) {
        s.ui.playSound(static_cast<int>(clip));
    }
}

} // namespace tallyrope
