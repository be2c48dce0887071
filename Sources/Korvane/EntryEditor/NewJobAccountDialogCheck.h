// The stop alerts of the entry editor's field checks, and the field each one is about.
#pragma once

enum : short {
    kCheckAlertLoginNameEmpty = 1100,
    kCheckAlertUserNameTooLong = 1101,
    kCheckAlertAccountID = 1102,
    kCheckAlertLoginNameBytes = 1108,
    kCheckAlertUserNameBytes = 1109,
};

struct JASetting;

// The check alert of the first rule the entry breaks, in the order the person is told about
// them (the login name first, the user name last); 0 when it keeps them all. The import lets a
// login name hold spaces, and so does an edit that leaves an entry's login name as it is.
short FirstBrokenEntryRule(const JASetting& entry, bool spaceInLoginName = false);

// The editor item (8, 9 or 10) whose text a check alert refused.
short FieldOfCheckAlert(short alert);
