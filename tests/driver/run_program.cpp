#include "run_program.h"

#include "support/temp_dir.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

ProgramRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workingDirectory, const std::filesystem::path& input)
{
    // The output goes to files of a folder of its own, so the working directory
    // holds only what the program itself writes there.
    TempDir outputs;
    const std::filesystem::path outPath = outputs / "stdout", errPath = outputs / "stderr";

    std::vector<std::string> argvStrings{program.string()};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        int in = ::open(input.c_str(), O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::chdir(workingDirectory.c_str()) != 0 || ::dup2(in, 0) < 0
            || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(126);
        // The transcripts hold the default map host, whatever the person running the tests has set.
        ::unsetenv("STEEPLEWATCHER_MAP_HOST");
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");

    ProgramRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    return run;
}

} // namespace testsupport
