#pragma once
// The program's command line:
//   lorewright [folder | prepare.txt]   opens that project at start-up, as "開く..." would
//   lorewright --sample <folder>        writes the sample game into an empty folder and opens it
//   lorewright --help | --version       prints and ends
// Each option is declared once in ParseCommandLine and carried to main() in StartOptions.

#include <QString>
#include <QStringList>

namespace lw {

// What the command line asks of the start-up.
struct StartOptions {
    QString project;       // a project folder or its prepare.txt to open; empty for none
    QString sampleFolder;  // --sample: the folder to write the sample game into
};

struct CommandLine {
    StartOptions options;
    // True when the program ends at once: `output` goes to standard output with exit code 0 (help,
    // version), to standard error otherwise (a mistake on the command line).
    bool finished = false;
    int exitCode = 0;
    QString output;
};

// The arguments of argv that are the program's own: the toolkit's options ("-platform offscreen",
// "-style fusion", ...) are left for QApplication.
QStringList ProgramArguments(int argc, char** argv);

// `arguments` starts with the program name.
CommandLine ParseCommandLine(const QStringList& arguments);

// --sample: writes the sample game into `folder` (made when missing, refused when not empty).
// Empty on success, else the message to show.
QString WriteSampleFolder(const QString& folder);

// Writes a finished command line's output where it belongs and returns its exit code.
int PrintOutcome(const CommandLine& commandLine);

}  // namespace lw
