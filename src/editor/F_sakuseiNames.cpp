#include "editor/F_sakusei.h"

#include "ui/Shapes.h"
#include "ui/StripColumn.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

void F_sakusei::NameControls() {
    // Buttons and the colour frame are named by their own captions.
    Text2->setAccessibleName(Label1->text());
    Text3->setAccessibleName(Label2->text());
    Text4->setAccessibleName(Label4->text() + u"　"_s + Label3->text());
    Text6->setAccessibleName(Label5->text());
    Text5->setAccessibleName(Label6->text());
    Text7->setAccessibleName(Label7->text());
    Text9->setAccessibleName(Label11->text());
    Text1->setAccessibleName(u"解説・注釈"_s);
    Text8->setAccessibleName(u"ヘルプ"_s);
    List1->setAccessibleName(u"句の一覧"_s);
    Shape1->setAccessibleName(u"短冊"_s);
    Label8->setAccessibleDescription(Label5->text());
    Label9->setAccessibleDescription(Label6->text());
    Label10->setAccessibleDescription(Label7->text());
}

} // namespace yomiwa::editor
