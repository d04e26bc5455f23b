#include "uiPropertyActiveStateComboBox.h"

UIPropertyActiveStateComboBox::UIPropertyActiveStateComboBox(nVornMCPCD100::AttributeId attribute,
                                                             QLabel *label, int indexSource,
                                                             const QString &unitsSuffix,
                                                             QComboBox *combo)
    : UIPropertyIoStateComboBox(attribute, label, indexSource, unitsSuffix, combo,
                                IoStates::activeStateKind)
{
}
