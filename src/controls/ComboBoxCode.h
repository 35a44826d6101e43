// CComboBoxCode: the toolbar's code box, an ordinary combo box whose use is the host's.
#pragma once

#include "ui/ComboBox.h"

class CComboBoxCode : public CComboBox {};
