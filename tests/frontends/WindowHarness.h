#pragma once

#include "MainWindow.h"
#include "Prompts.h"
#include "ResultAlert.h"

#include <QList>
#include <QUrl>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace crestmap::test {

/// Answers the window's dialogs from a script and keeps every alert it was asked to show.
class ScriptedPrompts final : public Prompts {
public:
    std::deque<QList<QUrl>> fileAnswers;
    std::function<void()> whileChoosing;
    std::vector<ResultAlert> alerts;
    int dialogsShown = 0;

    QList<QUrl> chooseImageFiles(QWidget*) override
    {
        ++dialogsShown;
        if (whileChoosing) {
            whileChoosing();
        }
        if (fileAnswers.empty()) {
            return {};
        }
        QList<QUrl> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    void showResultAlert(QWidget*, const ResultAlert& alert) override { alerts.push_back(alert); }
};

} // namespace crestmap::test
