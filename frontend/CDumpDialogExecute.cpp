#include "CDumpDialog.h"

#include "ConversionRun.h"
#include "WxRunPlatform.h"

void CDumpDialog::RunConversion()
{
    TakeValues();
    WxRunPlatform platform(this);
    if (ConversionRun(*this, m_runContext, platform).Execute())
        ShowValues();
}
