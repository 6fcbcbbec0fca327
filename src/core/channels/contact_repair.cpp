// Clean-up after every load: a file or a radio may hold contacts without names, two contacts
// of the same name, or channels and group lists that name contacts no longer there.

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/channels/contact_index.h"
#include "core/image/record_layouts.h"
#include "core/image/text.h"

#include <algorithm>

namespace dpmr {

void RepairContactNames(Image &image) {
    const std::vector<std::size_t> records = ContactIndexEntries(image);
    std::vector<std::string> names;
    for (std::size_t record : records)
        names.push_back(ReadString(image, record, contact_layout::kName));
    for (std::string &name : names)
        if (name.empty())
            name = FirstFreeContactName(names);
    for (std::size_t i = 0; i < names.size(); ++i)
        for (std::size_t j = i + 1; j < names.size(); ++j)
            if (names[j] == names[i])
                names[j] = FirstFreeContactName(names);
    for (std::size_t i = 0; i < records.size(); ++i)
        WriteString(image, records[i], contact_layout::kName, names[i]);
}

void CheckContactAndGroupReferences(Image &image) {
    std::vector<int> contacts;
    for (std::size_t record : ContactIndexEntries(image))
        contacts.push_back(ContactSlot(record));
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord r = ReadChannel(image, n);
        if (std::find(contacts.begin(), contacts.end(), r.contact) == contacts.end()) {
            r.contact = kNoContact;
            WriteChannel(image, n, r);
        }
    }
    PurgeGroupLists(image);
}

} // namespace dpmr
