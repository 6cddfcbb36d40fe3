// SPDX-License-Identifier: MIT
#pragma once

namespace quendrel {

// Qt's own texts, such as a text box's context menu, in the user's language, from the catalogue
// Qt ships for it (Debian's qt6-translations-l10n). The program's own texts are Japanese as
// designed and take no translation. Needs the application object; call it once, before any window.
void InstallQtTranslation();

}  // namespace quendrel
