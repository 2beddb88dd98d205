#include "storage/Preferences.h"

namespace Drobix {

Preferences& GetPreferences() {
    static Preferences preferences;
    return preferences;
}

}  // namespace Drobix
