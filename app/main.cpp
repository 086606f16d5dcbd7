#include "FormFactory.h"
#include "Fonts.h"
#include "Guard.h"
#include "UnitMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    loadSystemFontConfiguration();
    QApplication application(argc, argv);
    installFontSubstitutions();
    guarded([] { createForm(FormMain); });
    if (!FormMain)
        return 1;
    FormMain->show();
    const int result = QApplication::exec();
    releaseApplicationForms();
    return result;
}
