// A helper program for the tests of the kept process: it reads commands a
// line at a time, as Ghostscript does when it is kept running, and answers
// on its standard output (or error) at once.
//   echo TEXT    TEXT and a line end on standard output
//   err TEXT     the same on standard error
//   env NAME     the variable's value, "(unset)" when there is none
//   many N       N bytes of "x", then "END" and a line end
//   exit N       ends at once with status N
//   hang         answers nothing any more and never ends by itself
//   quit         ends with status 0, as at the end of its input
// Standard output keeps the platform's text mode: on Windows its line ends
// are CR LF, as a console program's are.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t blank = line.find(' ');
        std::string word = line.substr(0, blank);
        std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (word == "echo") {
            std::cout << rest << '\n' << std::flush;
        } else if (word == "err") {
            std::cerr << rest << '\n' << std::flush;
        } else if (word == "env") {
            const char* value = std::getenv(rest.c_str());
            std::cout << (value ? value : "(unset)") << '\n' << std::flush;
        } else if (word == "many") {
            std::cout << std::string(std::strtoul(rest.c_str(), nullptr, 10), 'x') << "END\n"
                      << std::flush;
        } else if (word == "exit") {
            std::fflush(nullptr);
            std::_Exit(std::atoi(rest.c_str()));
        } else if (word == "hang") {
            for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        } else if (word == "quit") {
            break;
        }
    }
    return 0;
}
