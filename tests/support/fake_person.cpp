// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_person.h"

#include <gtest/gtest.h>

namespace testsupport {

void FakePerson::answer(std::initializer_list<std::string_view> replies)
{
    for (std::string_view r : replies)
        answers_.emplace_back(r);
}

void FakePerson::savePicture(const plot::Drawing& drawing, const std::filesystem::path& path)
{
    record(Shown::Kind::Picture, path.filename().string());
    pictures.push_back(drawing);
}

std::vector<Shown> FakePerson::take()
{
    return std::exchange(shown_, {});
}

void FakePerson::box(Shown::Kind kind, std::string text)
{
    record(kind, std::move(text));
    if (auto act = std::exchange(during_, {}))
        act();
}

bool FakePerson::ask(Shown::Kind kind, const std::string& text, std::string_view yes)
{
    box(kind, text);
    if (answers_.empty()) {
        ADD_FAILURE() << "a box appeared with no answer queued: " << text;
        return false;
    }
    std::string reply = std::move(answers_.front());
    answers_.pop_front();
    return reply == yes;
}

std::optional<std::string> FakePerson::textAnswer(Shown::Kind kind, const std::string& text)
{
    box(kind, text);
    if (answers_.empty()) {
        ADD_FAILURE() << "a dialog appeared with no answer queued: " << text;
        return std::nullopt;
    }
    std::string reply = std::move(answers_.front());
    answers_.pop_front();
    if (reply.empty())
        return std::nullopt;
    return reply;
}

std::optional<std::string> FakePerson::inputBox(const std::string&, const std::string& prompt, const std::string&)
{
    return textAnswer(Shown::Kind::Input, prompt);
}

std::optional<std::filesystem::path> FakePerson::openFile(const std::string& title, const std::string&)
{
    return textAnswer(Shown::Kind::OpenFile, title);
}

} // namespace testsupport
