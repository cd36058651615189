#include "core/project/data_file_set.h"

#include <algorithm>

namespace lw {

namespace {

bool SaveLoneFile(const Project& project, const DataFileWrite& file, SaveUi& ui) {
    return file.content ? SaveDataTagFile(project, file.fileName, file.content, ui)
                        : SaveDataFile(project, file.fileName, file.bytes, ui);
}

DataFileSetSave SaveSet(const Project& project, std::span<const DataFileWrite> files, SaveUi& ui,
                        const CommitFault* commitFault, bool allOrNothing) {
    DataFileSetSave result;
    if (files.empty()) return result;
    if (files.size() == 1) {
        // The ui tells a declined file from a failed one; either way nothing was written.
        if (SaveLoneFile(project, files.front(), ui)) result.written.push_back(files.front().fileName);
        else result.declined.push_back(files.front().fileName);
        return result;
    }

    std::vector<std::filesystem::path> targets;
    std::vector<std::string> displays;
    targets.reserve(files.size());
    displays.reserve(files.size());
    for (const DataFileWrite& f : files) {
        targets.push_back(DataFilePath(project, f.fileName));
        displays.push_back(DataFileDisplayPath(project, f.fileName));
        if (targets.back().empty()) {
            ui.CannotCreate();
            result.failed = true;
            return result;
        }
    }

    ProjectBatch batch(project);
    const FileBatch::Check check = batch.Plan(targets);
    if (!check.ok()) {
        result.failed = true;
        // One message, naming the first file that leads out (a data folder that is a link to
        // elsewhere would otherwise give one message per file).
        if (!check.outside.empty()) {
            for (std::size_t i = 0; i < targets.size(); ++i)
                if (targets[i] == check.outside.front()) {
                    ui.OutsideProject(displays[i]);
                    break;
                }
        } else {
            ui.CannotCreate();
        }
        return result;
    }

    if (allOrNothing) ui.WritingTogether(displays);
    std::vector<std::size_t> prepared;
    {
        BatchSession session(ui, files.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (!session.Next(displays[i])) {
                batch.Discard();
                result.cancelled = true;
                result.declined.clear();
                return result;
            }
            if (session.Ask(targets[i], displays[i]) == OverwriteAnswer::No) {
                result.declined.push_back(files[i].fileName);
                if (!allOrNothing) continue;
                batch.Discard();
                return result;
            }
            const bool ok = files[i].content ? batch.PrepareTag(targets[i], files[i].content)
                                             : batch.Prepare(targets[i], files[i].bytes);
            if (!ok) break;
            prepared.push_back(i);
        }
    }
    if (!batch.ok()) {
        batch.Discard();
        result.declined.clear();
        result.failed = true;
        ui.CannotCreate();
        return result;
    }
    if (prepared.empty()) return result;

    const bool all = batch.CommitAll(commitFault);
    // Files are renamed in the order prepared, so those not replaced are the last ones.
    std::size_t replaced = prepared.size() - batch.notReplaced().size();
    if (!all && commitFault) replaced = std::min(replaced, commitFault->stopAfterRenames);
    for (std::size_t k = 0; k < (all ? prepared.size() : replaced); ++k)
        result.written.push_back(files[prepared[k]].fileName);
    if (!all && !commitFault) {
        result.failed = true;
        ui.CannotCreate();
    }
    return result;
}

}  // namespace

DataFileSetSave SaveDataFileSet(const Project& project, std::span<const DataFileWrite> files, SaveUi& ui,
                                const CommitFault* commitFault) {
    return SaveSet(project, files, ui, commitFault, false);
}

DataFileSetSave SaveDataFilesTogether(const Project& project, std::span<const DataFileWrite> files, SaveUi& ui,
                                      const CommitFault* commitFault) {
    return SaveSet(project, files, ui, commitFault, true);
}

}  // namespace lw
