// Revaze: a picture, a word to find, and three ways to practise it.
#include "trainer/form1.h"
#include "ui/application.h"

int main(int argc, char *argv[])
{
    ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("revaze"));

    trainer::Form1 form;
    if (!form.Form_Load())
        return 0;
    form.show();
    return QApplication::exec();
}
