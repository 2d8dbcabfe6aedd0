// Replacing what a file holds so that a failure never costs the old
// contents: the new text is written beside the file and takes its place
// only once it is complete.
#ifndef GLIMMERKIST_BASE_REPLACE_FILE_H_
#define GLIMMERKIST_BASE_REPLACE_FILE_H_

#include <string>

namespace glimmerkist {

/// Makes `text` the whole contents of the file at `requested`, written as a
/// text file (on Windows each "\n" becomes CR LF). True only when all of it
/// was written and the file closed without error.
///
/// A regular file, or a missing one, is replaced whole: the text goes to a
/// temporary file in the same folder, which is renamed over the old file
/// only when it was written and closed completely. On any failure (a full
/// disk, a file size limit, the program ended by Ctrl-C or a hang-up) the
/// temporary file is removed and the old file stays as it was. The new file
/// keeps the old one's permissions, and a file its user may not write is
/// left alone and counts as a failure.
///
/// A symbolic link is written through, so that a link to a file in another
/// folder or to /dev/null keeps working: its target is replaced as above.
/// In a sticky folder that anyone may write, such as /tmp, a link is
/// followed only when it belongs to the user or to the folder's owner, as
/// the kernel's protected-symlinks rule has it; another's link there counts
/// as a failure. Anything else, such as a device, is opened and written in
/// place, and so is a file in a folder where the user may write it but not
/// add files. A named pipe is never opened, as that waits for a reader; it
/// counts as a failure.
bool replaceFileContents(const std::string& requested, const std::string& text);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_REPLACE_FILE_H_
