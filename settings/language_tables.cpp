#include "settings/language_tables.h"

namespace telvo {

void Set_Language_Texts(Model &model) {
    // Codes are stored in capitals; anything else is not a language we know, and
    // the texts already loaded are kept rather than blanked.
    if (model.Language == u"ENGLISH")
        Load_English_Texts(model.Texts);
    else if (model.Language == u"DUTCH")
        Load_Dutch_Texts(model.Texts);
    else if (model.Language == u"GERMAN")
        Load_German_Texts(model.Texts);
    else if (model.Language == u"FRENCH")
        Load_French_Texts(model.Texts);
}

} // namespace telvo
