#include "core/settings_text/field_tooltip.h"

#include "core/fields/field_help.h"
#include "core/settings_text/rule_text.h"

namespace dpmr {

std::string FieldTooltip(std::string_view page, const FieldDef &field, const Image &image) {
    const FieldHelp *help = FindFieldHelp(page, field.name);
    if (!help)
        return {};
    std::string rule = DescribeRule(field.rule, image, help->unit);
    if (field.rule.kind == RuleKind::Check)
        rule = "on or off";
    return std::string(help->meaning) + "\n" + rule;
}

} // namespace dpmr
