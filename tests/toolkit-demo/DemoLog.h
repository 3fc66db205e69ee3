#pragma once
// The toolkit test program's log: one line per event or notification, to a
// file or standard output, flushed at once so end-to-end runs can wait for
// a line while the program still runs.

#include <cstdio>
#include <string>

class DemoLog {
public:
    // Binary mode: lines end with LF alone, on every system.
    explicit DemoLog(const char* path) : m_file(path ? std::fopen(path, "wb") : stdout) {}
    ~DemoLog()
    {
        if (m_file && m_file != stdout)
            std::fclose(m_file);
    }
    DemoLog(const DemoLog&) = delete;
    DemoLog& operator=(const DemoLog&) = delete;

    void line(const std::string& text)
    {
        if (!m_file)
            return;
        std::fprintf(m_file, "%s\n", text.c_str());
        std::fflush(m_file);
    }

private:
    std::FILE* m_file;
};

inline std::string rectText(int x, int y, int width, int height)
{
    return std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(width) + "," + std::to_string(height);
}
