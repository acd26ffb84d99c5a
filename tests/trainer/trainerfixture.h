#pragma once
// A main window started in a temporary folder with a task list and small
// pictures, with message boxes answered by a script and a random source
// that returns scripted numbers.

#include "app/random.h"
#include "testsupport.h"
#include "trainer/form1.h"
#include "ui/label.h"
#include "ui/picturebox.h"

#include <QRadioButton>

#include <deque>
#include <memory>

namespace testing {

class ScriptedRandom : public app::RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> *numbers) : m_numbers(numbers) {}
    void reseedFromTime() override { ++reseeds; }
    double next() override
    {
        if (m_numbers->empty())
            return 0.0;
        const double r = m_numbers->front();
        m_numbers->pop_front();
        return r;
    }
    int reseeds = 0;

private:
    std::deque<double> *m_numbers;
};

// Task k has picture Pk.WMF (a PNG of its own colour) and answer "Antwort k".
inline QByteArray numberedTasks(int count)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += "P" + QByteArray::number(k) + ".WMF\r\nAntwort " + QByteArray::number(k) + "\r\n";
    return bytes;
}

struct Trainer {
    explicit Trainer(const QByteArray &taskList, int pictures = 0)
    {
        folder.write("REVAZE.INI", taskList);
        for (int k = 1; k <= pictures; ++k)
            folder.writePicture(QString("P%1.WMF").arg(k), QColor::fromHsv((k * 37) % 360, 200, 200));
        form = std::make_unique<trainer::Form1>(std::make_unique<ScriptedRandom>(&randoms));
    }

    template <typename T = QWidget> T *control(const char *name) const { return testing::control<T>(form.get(), name); }
    QString caption(const char *name) const { return control<ui::Label>(name)->caption(); }
    QString counter() const { return caption("Label1"); }
    QString answerDisplay() const { return caption("Bezeichnung1"); }
    void click(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    void key(Qt::Key k) const { QTest::keyClick(form.get(), k); }

    TaskFolder folder;
    MessageScript messages;
    EndWatch ends;
    std::deque<double> randoms;
    std::unique_ptr<trainer::Form1> form;
};

} // namespace testing
