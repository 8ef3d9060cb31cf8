#pragma once
// Runs the built orrin-render program and captures what it prints, for the tools' tests.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace orrin {

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline RunResult RunProgram(const std::vector<std::string>& args) {
    // Test cases run as parallel processes: each run captures into files of its own.
    static int runs = 0;
    const fs::path dir = fs::path(ORRIN_TEST_OUTPUT) / "orrin-render" /
                         ("run-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    fs::create_directories(dir);
    std::string command = Quote(ORRIN_RENDER_PROGRAM);
    for (const auto& a : args) command += " " + Quote(a);
    command += " > " + Quote((dir / "stdout.txt").string()) + " 2> " + Quote((dir / "stderr.txt").string());
    const int status = std::system(command.c_str());
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(dir / "stdout.txt");
    result.err = ReadFile(dir / "stderr.txt");
    fs::remove_all(dir);
    return result;
}

inline std::string OutputPath(const std::string& name) {
    return (fs::path(ORRIN_TEST_OUTPUT) / "orrin-render" / name).string();
}

// Every value of "key": N in the JSON text, in order.
inline std::vector<int> IntegersOf(const std::string& json, const std::string& key) {
    std::vector<int> values;
    const std::regex pattern("\"" + key + "\":(-?[0-9]+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), pattern); it != std::sregex_iterator();
         ++it)
        values.push_back(std::stoi((*it)[1]));
    return values;
}

inline int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

}  // namespace orrin
