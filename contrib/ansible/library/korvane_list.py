#!/usr/bin/python3
# Makes a host's job-accounting list equal to a master list, through `korvane apply`.

DOCUMENTATION = r"""
module: korvane_list
short_description: Make a host's job-accounting list exactly a master list
description:
  - Runs C(korvane apply --format=json) with the master on standard input, so the list holds
    exactly the master's accounts after one save. Nothing is saved, and the task is C(ok), when
    the list holds them already.
  - In check mode it runs C(--dry-run) and reports what would change; in diff mode it shows the
    accounts before and after.
  - A master with a line the list would refuse fails the task with every such line's reason,
    and changes nothing.
options:
  content:
    description: The master list's text, lines C(login name,ID,user name). Exclusive with src.
    type: str
  src:
    description: A master list file on the managed host. Exclusive with content.
    type: path
  force:
    description: Save even when the host's file holds lines the list cannot keep as they stand.
    type: bool
    default: false
  korvane:
    description: The korvane command.
    type: str
    default: korvane
"""

EXAMPLES = r"""
- name: Every workstation bills print jobs by the master list
  become: true
  korvane_list:
    content: "{{ lookup('file', 'job-accounts.csv') }}"
"""

RETURN = r"""
added: {description: Accounts added, as login, id and user., type: list, returned: always}
removed: {description: Accounts removed., type: list, returned: always}
modified: {description: Accounts changed, each with before and after., type: list, returned: always}
unchanged: {description: How many accounts were left as they were., type: int, returned: always}
skipped: {description: Master lines left out, with line, reason and refused., type: list, returned: always}
"""

import json

from ansible.module_utils.basic import AnsibleModule


def account_line(account):
    return "%s,%s,%s" % (account["login"], account["id"], account["user"])


def diff_of(report):
    """The accounts that change, as they were and as they become."""
    before = [account_line(a) for a in report["removed"]]
    before += [account_line(m["before"]) for m in report["modified"]]
    after = [account_line(a) for a in report["added"]]
    after += [account_line(m["after"]) for m in report["modified"]]
    return {
        "before": "".join(line + "\n" for line in sorted(before)),
        "after": "".join(line + "\n" for line in sorted(after)),
    }


def refused_message(report, stderr):
    reasons = ["line %d: %s" % (s["line"], s["reason"]) for s in report.get("skipped", [])
               if s.get("refused")]
    return "the master list was refused, nothing was changed: " + (
        "; ".join(reasons) if reasons else stderr.strip())


def main():
    module = AnsibleModule(
        argument_spec=dict(
            content=dict(type="str"),
            src=dict(type="path"),
            force=dict(type="bool", default=False),
            korvane=dict(type="str", default="korvane"),
        ),
        mutually_exclusive=[("content", "src")],
        required_one_of=[("content", "src")],
        supports_check_mode=True,
    )
    params = module.params
    if params["content"] is not None and not params["content"].strip():
        module.fail_json(msg="content is empty: a master list with no accounts would empty the "
                             "host's list, which this module does not do")
    args = [params["korvane"], "apply", params["src"] or "-", "--format=json"]
    if module.check_mode:
        args.append("--dry-run")
    if params["force"]:
        args.append("--force")
    data = None if params["src"] else params["content"]
    rc, stdout, stderr = module.run_command(args, data=data, binary_data=True)
    try:
        report = json.loads(stdout) if stdout.strip() else {}
    except ValueError:
        report = {}
    if not isinstance(report, dict):
        report = {}
    if rc != 0:
        message = refused_message(report, stderr) if rc == 1 and report else (
            "korvane apply ended with status %d: %s" % (rc, stderr.strip()))
        module.fail_json(msg=message, rc=rc, stderr=stderr, **report)
    if "changed" not in report:
        module.fail_json(msg="korvane apply printed no report: %s" % (stdout + stderr).strip(),
                         rc=rc)
    result = dict(changed=report["changed"], added=report["added"], removed=report["removed"],
                  modified=report["modified"], unchanged=report["unchanged"],
                  skipped=report["skipped"])
    if module._diff:
        result["diff"] = diff_of(report)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
