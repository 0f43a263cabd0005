#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "RunPlatform.h"

// Stands in for the desktop: records what the run asks for and answers
// from a script.
class FakeRunPlatform : public RunPlatform {
public:
    struct Message {
        std::string text;
        BoxType type;
        bool operator==(const Message& other) const
        {
            return text == other.text && type == other.type;
        }
        friend void PrintTo(const Message& message, std::ostream* os)
        {
            *os << '"' << message.text << (message.type == BoxType::Ok ? "\" (OK)" : "\" (OK/Cancel)");
        }
    };

    BoxAnswer ShowMessage(const std::string& text, BoxType type) override
    {
        m_messages.push_back({text, type});
        if (m_answers.empty())
            return BoxAnswer::Ok;
        const BoxAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    int RunCommand(const ShellCommand& command) override
    {
        m_commands.push_back(command.line);
        m_commandParts.push_back(command);
        m_busyDuringCommands = m_busyDuringCommands && m_nBusy == 1;
        if (m_statuses.empty())
            return 0;
        const int status = m_statuses.front();
        m_statuses.pop_front();
        return status;
    }

    void OpenDocument(const std::string& path) override { m_opened.push_back(path); }
    void BeginBusy() override { ++m_nBusy; }
    void EndBusy() override { --m_nBusy; }

    std::deque<BoxAnswer> m_answers;   // for the boxes, in order; then OK
    std::deque<int> m_statuses;        // for the commands, in order; then 0
    std::vector<Message> m_messages;
    std::vector<std::string> m_commands;      // the lines
    std::vector<ShellCommand> m_commandParts; // the same commands in parts
    std::vector<std::string> m_opened;
    int m_nBusy = 0;
    bool m_busyDuringCommands = true;
};
