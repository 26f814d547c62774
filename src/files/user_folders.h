#pragma once
// The folders of the user's files, prepared at desktop start-up.
#include "files/settings.h"

namespace wm4 {

// Creates the client, prior-version and temporary folders when they are
// missing, and copies the template case "default.wm4" shipped in the data
// folder into the client folder when the client folder has none (an existing
// one, perhaps edited by the user, is never replaced). Returns false when a
// folder could not be created or the template case not copied.
bool PrepareUserFolders(const ProgramSettings& settings);

}  // namespace wm4
