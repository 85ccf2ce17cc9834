"""tools/sign against a throwaway self-signed code-signing certificate.

usage: check_signing.py SOURCE_DIR BUILD_DIR [unittest options]

Signs BUILD_DIR/fontfix.exe itself (the Wine tests then run the signed copy
beside it) and, for the errors, copies of it in scratch build folders under
BUILD_DIR/signing-test, which is made afresh on every run.
"""

import hashlib
import os
import pathlib
import pty
import select
import shutil
import subprocess
import sys
import unittest

import pefile

SOURCE, BUILD = map(pathlib.Path, sys.argv[1:3])
WORK = BUILD / "signing-test"
PASSWORD = "correct horse battery"


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, **kwargs)


def sign(pfx, stdin, build=BUILD, under=()):
    """tools/sign on BUILD_DIR/fontfix.exe, run under the command `under`."""
    env = dict(os.environ, FONTFIX_BUILD_DIR=str(build))
    return run(*under, str(SOURCE / "tools" / "sign"), str(pfx), input=stdin,
               env=env)


def scratch_build(name, with_exe=True):
    """A build folder of its own, with a copy of the real fontfix.exe."""
    build = WORK / name
    build.mkdir()
    if with_exe:
        shutil.copy(BUILD / "fontfix.exe", build)
    return build


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def make_certificate(name, password):
    """A self-signed certificate for code signing, as NAME.pem and NAME.pfx."""
    key, cert, pfx = (WORK / f"{name}.{ext}" for ext in ("key", "pem", "pfx"))
    made = run("openssl", "req", "-x509", "-newkey", "rsa:2048", "-sha256",
               "-days", "2", "-nodes", "-subj", f"/CN=fontfix test {name}",
               "-addext", "keyUsage=critical,digitalSignature",
               "-addext", "extendedKeyUsage=codeSigning",
               "-keyout", str(key), "-out", str(cert))
    assert made.returncode == 0, made.stderr
    exported = run("openssl", "pkcs12", "-export", "-inkey", str(key),
                   "-in", str(cert), "-out", str(pfx),
                   "-passout", f"pass:{password}")
    assert exported.returncode == 0, exported.stderr
    return cert, pfx


def verify(signed, ca_file):
    return run("osslsigncode", "verify", "-in", str(signed),
               "-CAfile", str(ca_file))


def setUpModule():
    shutil.rmtree(WORK, ignore_errors=True)
    WORK.mkdir(parents=True)


class SignTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.unsigned = BUILD / "fontfix.exe"
        cls.signed = BUILD / "signed" / "fontfix.exe"
        cls.cert, cls.pfx = make_certificate("signer", PASSWORD)
        cls.unsigned_before = sha256(cls.unsigned)
        cls.signed.unlink(missing_ok=True)
        cls.result = sign(cls.pfx, PASSWORD + "\n")

    def test_signs_and_the_signature_verifies_against_the_certificate(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr)
        verified = verify(self.signed, self.cert)
        self.assertEqual(verified.returncode, 0, verified.stdout)
        self.assertIn("Signature verification: ok", verified.stdout)
        self.assertIn("Message digest algorithm  : SHA256", verified.stdout)
        # The check has teeth: another certificate does not vouch for it.
        other, _ = make_certificate("stranger", "x")
        self.assertNotEqual(verify(self.signed, other).returncode, 0)

    def test_leaves_the_unsigned_file_as_it_was(self):
        self.assertEqual(sha256(self.unsigned), self.unsigned_before)
        self.assertNotEqual(sha256(self.signed), self.unsigned_before)

    def test_adds_the_signature_and_changes_nothing_else(self):
        before = self.unsigned.read_bytes()
        after = self.signed.read_bytes()
        pe = pefile.PE(data=after, fast_load=True)
        checksum = pe.OPTIONAL_HEADER.get_file_offset() + 64
        security = pe.OPTIONAL_HEADER.DATA_DIRECTORY[4]
        entry = security.get_file_offset()
        self.assertEqual(security.VirtualAddress, len(before))
        self.assertEqual(len(after), len(before) + security.Size)
        self.assertEqual(pe.OPTIONAL_HEADER.CheckSum, pe.generate_checksum())
        self.assertEqual(after[:checksum], before[:checksum])
        self.assertEqual(after[checksum + 4:entry], before[checksum + 4:entry])
        self.assertEqual(after[entry + 8:len(before)], before[entry + 8:])
        # Same header, imports and resources: the one 86-byte manifest.
        image = run(str(SOURCE / "tests" / "windows" / "check_image.sh"),
                    str(self.signed))
        self.assertEqual(image.returncode, 0, image.stdout)

    def test_prints_both_hashes_and_the_authenticode_hash(self):
        out = self.result.stdout
        self.assertIn(sha256(self.unsigned), out)
        self.assertIn(sha256(self.signed), out)
        # The digest the signature holds is the one AppLocker and App
        # Control hash rules match, and the unsigned file has it too.
        verified = verify(self.signed, self.cert).stdout
        digest = next(line.split(":")[1].strip() for line in
                      verified.splitlines()
                      if line.startswith("Calculated message digest"))
        self.assertEqual(out.count(f"Authenticode SHA-256    {digest}"), 2)

    def test_signs_with_a_pfx_that_has_no_password(self):
        build = scratch_build("no-password")
        cert, pfx = make_certificate("open", "")
        result = sign(pfx, "\n", build)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(verify(build / "signed" / "fontfix.exe", cert)
                         .returncode, 0)

    def test_the_password_is_on_no_command_line(self):
        # Other users see each process's arguments in the process list, so
        # trace every program tools/sign starts and read their arguments.
        probe = run("strace", "-qq", "-e", "trace=execve", "-o", os.devnull,
                    "true")
        if probe.returncode != 0:
            self.skipTest(f"strace cannot trace here: {probe.stderr.strip()}")
        build = scratch_build("traced")
        _, pfx = make_certificate("traced", PASSWORD)
        trace = WORK / "traced.strace"
        result = sign(pfx, PASSWORD + "\n", build,
                      under=("strace", "-f", "-qq", "-e", "trace=execve", "-s",
                             "4096", "-o", str(trace)))
        self.assertEqual(result.returncode, 0, result.stderr)
        execs = trace.read_text()
        self.assertIn("osslsigncode", execs)
        self.assertNotIn(PASSWORD, execs)


    def test_asks_at_a_terminal_without_echoing_the_password(self):
        build = scratch_build("terminal")
        _, pfx = make_certificate("terminal", PASSWORD)
        pid, terminal = pty.fork()
        if pid == 0:  # The child: tools/sign, with the terminal as stdin.
            try:
                os.environ["FONTFIX_BUILD_DIR"] = str(build)
                os.execv(str(SOURCE / "tools" / "sign"),
                         ["tools/sign", str(pfx)])
            finally:
                os._exit(127)
        seen = b""

        def read_until(done, seconds=60):
            nonlocal seen
            while not done(seen):
                ready, _, _ = select.select([terminal], [], [], seconds)
                if not ready:
                    return
                try:
                    chunk = os.read(terminal, 4096)
                except OSError:  # The other end has closed.
                    return
                if not chunk:
                    return
                seen += chunk

        read_until(lambda out: b"Password for" in out)
        self.assertIn(b"Password for", seen)
        os.write(terminal, PASSWORD.encode() + b"\n")
        read_until(lambda out: False)
        _, status = os.waitpid(pid, 0)
        os.close(terminal)
        self.assertEqual(os.waitstatus_to_exitcode(status), 0, seen)
        self.assertNotIn(PASSWORD.encode(), seen)
        self.assertTrue((build / "signed" / "fontfix.exe").exists())

class SignErrorTest(unittest.TestCase):
    """Each error is named, and nothing is written for it."""

    def test_errors(self):
        cert, pfx = make_certificate("errors", PASSWORD)
        cases = [
            # name, .pfx, standard input, an exe built?, expected message
            ("wrong-password", pfx, "not it\n", True,
             f"wrong password for {pfx}"),
            ("missing-pfx", WORK / "missing.pfx", PASSWORD + "\n", True,
             "no such file"),
            ("pfx-is-a-folder", WORK, PASSWORD + "\n", True, "not a file"),
            ("not-a-pfx", cert, PASSWORD + "\n", True,
             "is not a .pfx (PKCS#12) file"),
            ("no-password-line", pfx, "", True,
             "no password on standard input"),
            ("exe-not-built", pfx, PASSWORD + "\n", False,
             "has not been built"),
        ]
        for name, given, stdin, built, message in cases:
            with self.subTest(name):
                build = scratch_build(name, with_exe=built)
                result = sign(given, stdin, build)
                self.assertEqual(result.returncode, 1)
                self.assertIn(message, result.stderr)
                self.assertEqual(result.stdout, "")
                self.assertFalse((build / "signed").exists())
                if built:
                    self.assertEqual(sha256(build / "fontfix.exe"),
                                     sha256(BUILD / "fontfix.exe"))

if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
