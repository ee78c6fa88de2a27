#pragma once

class QCoreApplication;

namespace vok {

// Qt's texts and Vok's in the language the user's locale asks for, from the translations beside
// the program; the translators are app's.
void speakTheUsersLanguage(QCoreApplication& app);

} // namespace vok
