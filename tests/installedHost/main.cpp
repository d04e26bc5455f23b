#include <vornac/CmxProvider.h>
#include <vornac/VornMotionAxisConfiguration.h>
#include <vornac/iMotionConfigurationDatabase.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <cstdio>
#include <map>
#include <utility>

using namespace nVornMCPCD100;

namespace {

// The smallest database a host could write: values only, every setting supported.
class MapDatabase : public iMotionConfigurationDatabase
{
public:
    std::map<std::pair<AttributeId, uint32_t>, AttributeValue> values;
    int writes = 0;

    int32_t GetDeviceType(int32_t *deviceType, int32_t *second) override
    {
        *deviceType = 0;
        *second = 0;
        return 0;
    }
    int32_t GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value) override
    {
        return GetAttribute(id, index, value);
    }
    int32_t GetAttributeMinimum(AttributeId, uint32_t, AttributeValue *) override { return -1; }
    int32_t GetAttributeMaximum(AttributeId, uint32_t, AttributeValue *) override { return -1; }
    int32_t SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value) override
    {
        values[{id, index}] = *value;
        ++writes;
        return 0;
    }
    int32_t GetAttribute(AttributeId id, uint32_t index, AttributeValue *value) override
    {
        const auto found = values.find({id, index});
        if (found == values.end())
            return -1;
        *value = found->second;
        return 0;
    }
    int32_t CheckAttributeValue(AttributeId, uint32_t, AttributeValue *, uint8_t *) override
    {
        return 0;
    }
    bool IsAttributeScaled(AttributeId, uint32_t) override { return false; }
    bool IsAttributeSupported(AttributeId, uint32_t) override { return true; }
    bool IsSettableWithoutConfigMode(AttributeId, uint32_t) override { return false; }
    bool IsAttributeReadOnly(AttributeId, uint32_t) override { return false; }
    int32_t SetAttributeString(AttributeId, uint32_t, uint32_t, const char16_t *) override
    {
        return -1;
    }
    int32_t GetAttributeString(AttributeId, uint32_t, int32_t *, char16_t *) override
    {
        return -1;
    }
};

int failures = 0;

void Check(bool condition, const char *what)
{
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
    if (!condition)
        ++failures;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    MapDatabase database;
    database.values[{0xA30001, 0}] = AttributeValue{0xA3006C, 0.0, 0}; // stepper axis
    // A setting is written only when its current value can be read (to undo a refused commit).
    database.values[{0xA3004B, 0}] = AttributeValue{0, 0.0001, 0};

    QDialog *dialog = CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                        nullptr);
    Check(dialog && dialog->isVisible(), "the dialog is created and shown");
    Check(CVornMotionAxisConfiguration::GetCurrentPage(dialog) == 0xA300D5,
          "the general page is current");

    CVornMotionAxisConfiguration::SetHostLoopRate(dialog, 0.001);
    auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    Check(buttons && buttons->button(QDialogButtonBox::Apply)->isEnabled(),
          "a stepper loop period is pending after the host loop rate");
    buttons->button(QDialogButtonBox::Ok)->click();

    const AttributeValue period = database.values[{0xA3004B, 0}];
    Check(database.writes == 1 && period.realValue == 0.00005, "OK wrote the loop period");
    Check(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog) == 1,
          "the write needs configuration mode");

    QDialog foreign;
    Check(CVornMotionAxisConfiguration::GetCurrentPage(&foreign) == 0, "a foreign dialog is 0");
    CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog);
    Check(CVornMotionAxisConfiguration::IsSwitchToConfigModeRequired(dialog) == 0,
          "a deleted dialog is 0");
    return failures == 0 ? 0 : 1;
}
