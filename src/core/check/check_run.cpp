#include "core/check/check_run.h"

#include <system_error>

#include "core/check/project_check.h"

namespace lw {

std::optional<Project> OpenProjectAt(const std::filesystem::path& path, std::string& why) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec) {
        why = "cannot resolve the path " + path.string();
        return std::nullopt;
    }
    const bool folder = fs::is_directory(absolute, ec);
    const fs::path prepare = folder ? absolute / "prepare.txt" : absolute;
    Project project;
    project.root = folder ? absolute : absolute.parent_path();
    switch (LoadPrepareFile(project, prepare)) {
    case ReadStatus::Missing:
        why = prepare.string() + " does not exist";
        return std::nullopt;
    case ReadStatus::Unreadable:
        why = prepare.string() + " cannot be read";
        return std::nullopt;
    case ReadStatus::Ok:
        break;
    }
    if (!IsProjectOpen(project)) {
        why = prepare.string() + " does not name the data, image and audio folders";
        return std::nullopt;
    }
    const fs::path data = project.root / NativeName(project.dataFolder);
    if (!IsPlainName(project.dataFolder) || !fs::is_directory(data, ec)) {
        why = "the data folder " + data.string() + " does not exist";
        return std::nullopt;
    }
    return project;
}

int RunProjectCheck(const std::filesystem::path& path, CheckFormat format, std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<Project> project = OpenProjectAt(path, why);
    if (!project) {
        err << "lorewright: cannot open the project: " << why << "\n";
        return kCheckCannotOpen;
    }
    const ProjectIndex index = BuildProjectIndex(*project);
    const std::vector<Problem> problems = CheckIndex(index);
    if (format == CheckFormat::Json) {
        out << ProblemsJson(*project, problems);
    } else {
        for (const Problem& p : problems) out << ProblemLine(*project, p) << "\n";
        out << SummaryLine(Summarise(problems)) << "\n";
    }
    out.flush();
    return Summarise(problems).errors > 0 ? kCheckErrors : kCheckClean;
}

}  // namespace lw
