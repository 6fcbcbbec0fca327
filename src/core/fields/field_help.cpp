#include "core/fields/field_help.h"

#include <array>

namespace dpmr {

namespace {

// The channel editor and the VFO share these meanings; the VFO's own fields follow below.
#define DPMR_CHANNEL_HELP(page)                                                                    \
    {page ".rx_freq", "MHz", "Receive frequency; empty leaves the channel unused."},               \
        {page ".tx_freq", "MHz", "Transmit frequency; empty makes the channel receive only."},     \
        {page ".rx_tone", "",                                                                      \
         "CTCSS tone or DCS code the receiver needs before it opens the speaker (None: any "       \
         "signal)."},                                                                              \
        {page ".tx_tone", "",                                                                      \
         "CTCSS tone or DCS code sent with the voice so that other radios open for it."},          \
        {page ".channel_type", "",                                                                 \
         "Analog FM, digital dPMR, or mixed: receives both and transmits the first named."},       \
        {page ".tx_power", "", "Transmit power: High 5 W, Low 1 W."},                              \
        {page ".signal_type", "", "Signalling sent on this channel: none or DTMF codes."},         \
        {page ".bandwidth", "", "Channel width: Wide 25 kHz or Narrow 12.5 kHz."},                 \
        {page ".alias", "", "Name the radio shows for the channel."},                              \
        {page ".status_info", "", "Status number the radio sends with a status message."},         \
        {page ".data_type", "", "Kind of data the radio sends on this digital channel."},          \
        {page ".busy_lock", "", "Busy lock: no transmitting while the channel is in use."},        \
        {page ".reverse", "", "Reverse: swap the receive and transmit frequencies."},              \
        {page ".scan", "", "The channel is part of the scan."},                                    \
        {page ".talk_around", "",                                                                  \
         "Talk around: transmit on the receive frequency, bypassing a repeater."},                 \
        {page ".ptt_id", "", "PTT ID: send the DTMF identity code when the PTT key is pressed."},  \
        {page ".rx_only", "", "The radio never transmits on this channel."},                       \
        {page ".encrypt_key", "", "Key that scrambles digital voice on this channel."},            \
        {page ".contact", "", "Contact a digital call on this channel goes to."},                  \
        {page ".group_rx_list", "", "Group list whose calls this channel receives."},              \
        {page ".oacsu", "",                                                                        \
         "OACSU: check that the called radio is there before the call is set up."},                \
        {page ".rx_color", "",                                                                     \
         "Colour code a digital signal must carry to be received (Auto: any)."},                   \
    {                                                                                              \
        page ".tx_color", "", "Colour code sent with digital transmissions (Auto: the radio's)."   \
    }

constexpr std::string_view kOnOffTone = "Beep for this event.";

const std::array kHelp = std::to_array<FieldHelp>({
    DPMR_CHANNEL_HELP("channel"),
    DPMR_CHANNEL_HELP("vfo"),
    {"vfo.offset_dir", "",
     "Repeater shift: transmit above (+) or below (-) the receive frequency."},
    {"vfo.offset_freq", "MHz", "Repeater shift: the distance between receive and transmit."},
    {"vfo.vfo_scan", "", "Width of the range a VFO scan covers."},
    {"vfo.step", "kHz", "Step of the tuning knob in VFO mode."},

    {"dpmr.basic.radio_name", "", "Name the radio shows and sends to others."},
    {"dpmr.basic.radio_id", "", "The radio's own dPMR number."},
    {"dpmr.basic.dial_access", "", "Digits of a dialled number the radio completes itself."},
    {"dpmr.basic.voice_store", "", "Keep received calls for replay."},
    {"dpmr.basic.emergency_code", "", "Number an emergency call goes to."},
    {"dpmr.basic.stun_code", "", "Code that disables this radio when received."},
    {"dpmr.basic.active_code", "", "Code that brings a stunned radio back."},
    {"dpmr.basic.allow_all_call", "", "Receive calls addressed to all radios."},
    {"dpmr.basic.codec_type", "", "Voice codec; every radio in a talk group needs the same."},
    {"dpmr.basic.stun_decode", "", "Obey stun and active codes from other radios."},
    {"dpmr.basic.stun_type", "", "What a stun stops: transmitting, or transmitting and receiving."},
    {"dpmr.basic.area_code", "", "Area part of the radio's dPMR address."},
    {"dpmr.basic.group_hold_time", "s",
     "How long the radio stays with a group call after it ends."},
    {"dpmr.basic.single_call_time", "s",
     "How long the radio stays with a single call after it ends."},
    {"dpmr.basic.tx_pre_carrier", "ms", "Carrier sent before the data so other radios wake up."},
    {"dpmr.basic.wake_frame", "", "Wake-up frames sent ahead of a call to radios that save power."},
    {"dpmr.basic.repeat_mode", "", "Talk radio to radio (Direct) or through a repeater."},
    {"dpmr.basic.ack_reply_delay", "s", "Wait before this radio acknowledges a call."},
    {"dpmr.basic.ack_reply_wait", "s", "How long the radio waits for an acknowledgement."},
    {"dpmr.basic.tx_delay_time", "s", "Delay before a transmission starts."},
    {"dpmr.basic.ack_reply_times", "",
     "How often a call is repeated while no acknowledgement comes."},
    {"dpmr.encrypt.encrypt", "", "Scramble digital voice with the channel's key."},

    {"scan.scan_mode", "",
     "When a scan moves on: after a time, when the carrier drops, or it stops (Search)."},
    {"scan.tone_scan_mode", "", "Which channels a tone scan covers."},
    {"scan.stop_time", "s", "How long a scan stays on a busy channel (Time mode)."},
    {"scan.resume_delay", "s", "Wait after a call before the scan resumes."},
    {"scan.talk_back", "", "Answer on the channel where the scan stopped."},
    {"scan.scan_begin_tone", "", "Beep when a scan starts."},
    {"scan.scan_end_tone", "", "Beep when a scan ends."},
    {"scan.scan_tx_channel", "", "Channel the radio transmits on while scanning."},
    {"scan.priority_channel", "", "Channel the scan checks more often than the others."},
    {"scan.specified_channel", "", "Channel used for transmitting when Scan tx channel says so."},

    {"basic.sql", "", "SQL (squelch): how strong a signal must be to open the speaker; 0 is open."},
    {"basic.saving_mode", "", "Battery saving: sleep against listen time while idle."},
    {"basic.saving_delay", "s", "Idle time before battery saving starts."},
    {"basic.apo", "", "APO (automatic power off) after this long without use."},
    {"basic.ste", "",
     "STE (squelch tail elimination): hides the noise burst when the other radio stops; a "
     "phase shift in degrees or a frequency."},
    {"basic.lamp_mode", "", "Display backlight: off, on, or lit for a while after a key."},
    {"basic.wired_copy_hidden", "", "Second bit of the wired copy setting, kept with the first."},
    {"basic.wired_copy", "", "Allow copying the settings to another radio over a cable."},
    {"basic.tot", "s", "TOT (time-out timer): longest single transmission."},
    {"basic.tot_pre_alert", "s", "Warning beep this long before the time-out timer ends."},
    {"basic.tot_rekey_time", "s", "Wait after a time-out before transmitting again."},
    {"basic.tot_reset_time", "s", "Pause that resets the time-out timer."},
    {"basic.vox", "", "VOX: transmit when you speak, without pressing the PTT key."},
    {"basic.vox_sense", "", "How loud speech must be to start a VOX transmission."},
    {"basic.vox_delay", "s", "How long a VOX transmission lasts after you stop speaking."},

    {"one_key.call_mode", "", "What the one-key call does: nothing, a digital or an analog call."},
    {"one_key.call_list", "", "Contact (digital) or auto-dial code (analog) called."},
    {"one_key.call_type", "", "Kind of call made."},
    {"one_key.msg", "", "Short message sent with the call."},

    {"side_key.long_key_time", "s", "How long a key is held to count as a long press."},
    {"side_key.sk1_short", "", "Function of a short press on side key 1."},
    {"side_key.sk1_long", "", "Function of a long press on side key 1."},
    {"side_key.sk2_short", "", "Function of a short press on side key 2."},
    {"side_key.sk2_long", "", "Function of a long press on side key 2."},
    {"side_key.sk3_short", "", "Function of a short press on side key 3."},
    {"side_key.sk3_long", "", "Function of a long press on side key 3."},
    {"side_key.p1_short", "", "Function of a short press on programmable key P1."},
    {"side_key.p1_long", "", "Function of a long press on programmable key P1."},
    {"side_key.p2_short", "", "Function of a short press on programmable key P2."},
    {"side_key.p2_long", "", "Function of a long press on programmable key P2."},
    {"side_key.p3_short", "", "Function of a short press on programmable key P3."},
    {"side_key.p3_long", "", "Function of a long press on programmable key P3."},
    {"side_key.p4_short", "", "Function of a short press on programmable key P4."},
    {"side_key.p4_long", "", "Function of a long press on programmable key P4."},

    {"tone_light.call_end_tone", "", kOnOffTone},
    {"tone_light.exhaled_end_tone", "", kOnOffTone},
    {"tone_light.group_call_tone", "", kOnOffTone},
    {"tone_light.single_call_tone", "", kOnOffTone},
    {"tone_light.low_voltage", "", "Beep when the battery runs low."},
    {"tone_light.call_out_tone", "", kOnOffTone},
    {"tone_light.power_on_tone", "", kOnOffTone},
    {"tone_light.tone", "", "Key beeps."},
    {"tone_light.low_voltage_light", "", "Flash the light when the battery runs low."},
    {"tone_light.scan_state_light", "", "Light the lamp while scanning."},
    {"tone_light.rx_light", "", "Light the lamp while receiving."},
    {"tone_light.tx_light", "", "Light the lamp while transmitting."},
    {"tone_light.light", "", "Status light on the radio's top."},
    {"tone_light.shock", "", "Vibrate on a call."},

    {"menu.menu_reset_time", "s", "Idle time after which the radio leaves its menu."},
    {"menu.menu_language", "", "Language of the radio's menus."},
    {"password.password_permit", "", "Ask for the password when the radio is switched on."},
    {"password.password", "", "Six-digit password asked at power on."},

    {"pms.low_freq", "MHz", "Lower end of a programmable memory scan range."},
    {"pms.high_freq", "MHz", "Upper end of a programmable memory scan range."},

    {"alarm.alarm_type", "", "What the alarm does: siren only, silent, or sending an ID."},
    {"alarm.id_type", "", "Signalling used to send the alarm ID."},
    {"alarm.id_code", "", "ID sent with an alarm."},
    {"alarm.alarm_time", "s", "How long the alarm sounds."},
    {"alarm.tx_time", "s", "How long each alarm transmission lasts."},
    {"alarm.rx_time", "s", "How long the radio listens between alarm transmissions."},
    {"alarm.cycle", "", "How many times the alarm repeats."},
    {"alarm.work_alone", "", "Lone-worker check: the user must press a key every so often."},
    {"alarm.work_alone_time", "min", "Time between lone-worker checks."},
    {"alarm.work_alone_pre_remind", "s", "Reminder this long before a lone-worker alarm."},
    {"alarm.upside", "", "Man-down alarm when the radio is tilted over."},
    {"alarm.upside_angle", "°", "Tilt that starts the man-down alarm."},
    {"alarm.recovery_angle", "°", "Tilt at which the radio counts as upright again."},
    {"alarm.entry_delay_time", "s", "How long the radio must stay tilted before the alarm."},
    {"alarm.upside_pre_prompt", "s", "Warning this long before the man-down alarm."},
    {"alarm.exit_delay", "s", "How long the alarm goes on after it was started."},
    {"alarm.auto_contact", "", "Call the emergency contact automatically."},
    {"alarm.tx_interval", "s", "Time between alarm transmissions."},
    {"alarm.query_interval", "min", "Time between queries to the alarm's receiver."},

    {"dtmf.encode.speed", "digits/s", "How fast DTMF digits are sent."},
    {"dtmf.encode.first_digit_delay", "ms", "Wait after keying before the first digit."},
    {"dtmf.encode.first_digit", "ms", "Length of the first digit."},
    {"dtmf.encode.star_hash_tone", "ms", "Length of the * and # digits."},
    {"dtmf.encode.short_beep", "", "Beep briefly when a code is sent."},
    {"dtmf.encode.side_tone", "", "Hear the DTMF digits as they are sent."},
    {"dtmf.encode.ptt_id_type", "",
     "PTT ID: send the code when the PTT key is pressed (on-line), released (off-line), or both."},
    {"dtmf.encode.online_code", "", "Code sent when the PTT key is pressed."},
    {"dtmf.encode.offline_code", "", "Code sent when the PTT key is released."},
    {"dtmf.encode.hold_time", "s", "How long the radio waits for the next digit of a code."},
    {"dtmf.encode.response_wait", "", "Wait for a reply after sending a code."},
    {"dtmf.encode.response_wait_time", "s", "How long the radio waits for a reply."},
    {"dtmf.decode.decode_response", "", "What the radio does when it hears its own code."},
    {"dtmf.decode.decode_display", "", "Show the codes the radio receives."},
    {"dtmf.decode.group_call_code", "", "Digit that turns a received code into a group call."},
    {"dtmf.decode.stun_type", "", "What a received stun code stops."},
    {"dtmf.decode.stun_code", "", "Code that stuns this radio."},
    {"dtmf.decode.person_id", "", "This radio's own DTMF code."},
    {"dtmf.decode.auto_reset_time", "s", "Time after which a decoded call is cleared."},
    {"dtmf.auto_dial.code", "", "DTMF code dialled from the auto-dial list."},

    {"dpmr.contacts.name", "", "Name of the contact as the radio shows it."},
    {"dpmr.contacts.number", "", "The contact's dPMR number."},
    {"dpmr.contacts.type", "", "A call to one radio, to a group, or to all radios."},
    {"dpmr.messages.text", "", "Short text message the radio can send."},
    {"dpmr.keys.text", "", "Key that scrambles digital voice."},
    {"dpmr.group_rx.member", "", "Group call the list receives."},
});

#undef DPMR_CHANNEL_HELP

} // namespace

std::span<const FieldHelp> FieldHelpTable() {
    return kHelp;
}

std::string FieldHelpKey(std::string_view page, std::string_view field) {
    return std::string(page) + "." + std::string(field);
}

const FieldHelp *FindFieldHelp(std::string_view page, std::string_view field) {
    const std::string key = FieldHelpKey(page, field);
    for (const FieldHelp &help : kHelp)
        if (help.key == key)
            return &help;
    return nullptr;
}

} // namespace dpmr
