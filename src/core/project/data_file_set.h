#pragma once
// The save of several data files that do not hold each other's indices (the scene files of the
// scene list, the placement forms or the event command editor, with flag_exp.txt; the player
// character's start_game.txt and pc.txt; the map animation files): one question with
// "すべてはい", progress, and one journaled commit of every file the author agreed to.

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/project/project.h"

namespace lw {

// One file of the data folder and its new content: `content` when set, else `bytes`.
struct DataFileWrite {
    std::string fileName;  // CP932
    TagContentFn content;
    std::string bytes;

    static DataFileWrite Tag(std::string fileName, TagContentFn content) {
        return DataFileWrite{std::move(fileName), std::move(content), {}};
    }
    static DataFileWrite Bytes(std::string fileName, std::string bytes) {
        return DataFileWrite{std::move(fileName), {}, std::move(bytes)};
    }
};

struct DataFileSetSave {
    std::vector<std::string> written;   // file names replaced
    std::vector<std::string> declined;  // file names left as they were: answered "No" for (a lone
                                        // file also when it could not be written; the ui was told)
    bool cancelled = false;             // cancelled while the files were prepared: nothing written
    bool failed = false;                // a file could not be written (or leads out of the project):
                                        // nothing written, the author was told
};

// A lone file is saved as any single file is (the Yes/No question). Several files: every target is
// resolved first (one leading out of the project folder, or two names of one file, refuse the whole
// save); then each file is announced (progress) and, when it exists, asked about with "すべてはい"
// answering the rest. "No" keeps just that file as it was. Every agreed file is prepared into one
// batch, and only when all were prepared are they renamed into place, journaled, so that a process
// that dies meanwhile is completed at the next open. A cancel or a file that cannot be prepared
// writes nothing.
DataFileSetSave SaveDataFileSet(const Project& project, std::span<const DataFileWrite> files, SaveUi& ui,
                                const CommitFault* commitFault = nullptr);

// The same save for files that hold each other's numbers (a list and the files renumbered with it):
// all or nothing, so "No" for any file writes none of them (`declined` names that file).
DataFileSetSave SaveDataFilesTogether(const Project& project, std::span<const DataFileWrite> files, SaveUi& ui,
                                      const CommitFault* commitFault = nullptr);

}  // namespace lw
