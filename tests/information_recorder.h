#pragma once

#include "views/message_box.h"

#include <QStringList>

namespace telvo::test {

// While it lives, the information boxes of the program are not shown: their
// texts are appended to the given list instead.
class Information_Recorder {
public:
    explicit Information_Recorder(QStringList &texts)
        : Previous(Set_Information_Presenter(
              [&texts](QWidget *, const QString &, const QString &text) { texts.append(text); })) {}
    ~Information_Recorder() { Set_Information_Presenter(Previous); }
    Information_Recorder(const Information_Recorder &) = delete;
    Information_Recorder &operator=(const Information_Recorder &) = delete;

private:
    Information_Presenter Previous;
};

} // namespace telvo::test
