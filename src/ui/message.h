#pragma once
// The program's message boxes as data: what a box says and which buttons it
// offers. The rules decide what to ask; the window layer shows the box, and
// tests answer in its place.

#include <QString>

#include <functional>

namespace ui {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Stop };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;   // CR characters are line breaks
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

// Shows a box and returns the button pressed.
using Ask = std::function<Answer(const Message &)>;

// An information box: OK only, no icon.
inline Message information(const QString &text, const QString &title)
{
    return {text, title, Buttons::Ok, Icon::None, Answer::Ok};
}

// A question with the stop icon, Ja and Nein, Nein the default.
inline Message stopQuestion(const QString &text, const QString &title)
{
    return {text, title, Buttons::YesNo, Icon::Stop, Answer::No};
}

} // namespace ui
