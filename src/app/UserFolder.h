#pragma once

#include <QProcessEnvironment>
#include <QString>

// An installed program keeps its content read-only under share/, but teachers save worksheets
// into the working folder. So an installed program works in a folder of the user's (or one a
// school shares between machines), made from the installed content on first start and brought
// up to date on each start after an upgrade.
namespace UserFolder {

// The catalogue of teachers' worksheets, which belongs to the users once it exists.
inline constexpr char Catalogue[] = "multiple/track.txt";
// What is written when there is no catalogue to copy: an empty one.
inline constexpr char EmptyCatalogue[] = " 0 \r\n";
// Inside the working folder: the files as last copied from the installed content.
inline constexpr char Record[] = ".orvelles-content";

// Makes `target` a working folder from the installed content in `source`, keeping what is
// there already. Missing files are copied. Pictures, pages, sounds and the logo are replaced
// when the installed copy differs. A question file is replaced only when nobody changed the
// copy last put there, so a teacher's worksheet of the same name survives an upgrade. The
// catalogue is copied only when missing. Copies are writable even when `source` is not.
// Throws FileAccessError saying which folder or file failed and why.
void prepare(const QString& source, const QString& target);

// The working folder for worksheets: ORVELLES_FOLDER when set (a school's shared folder),
// else $XDG_DATA_HOME/orvelles, else ~/.local/share/orvelles.
QString folderFor(const QProcessEnvironment& env);

struct Place {
    QString workingFolder; // empty: stay in the working folder the program was started in
    QString problem;       // a message for the user when the folder could not be made
};

// Chooses and prepares the working folder of this run. `installedContent` is where an
// installed program's content would be; when there is none there (a program run from its
// build tree), ORVELLES_FOLDER is used as it is, and otherwise nothing changes. When the
// user's folder cannot be made or brought up to date, the program uses it as it is when it has
// a catalogue (a shared folder pupils may only read), and otherwise runs from the installed
// content and says why.
Place settle(const QString& installedContent, const QProcessEnvironment& env);

} // namespace UserFolder
