# The credential windows and the main window, sourced by session_test.sh.
text1=121 text2=122 text3=123 combo1=131

echo "# a click on the icon leads to the first-run window"
drv tray 514
check "first-run window after a click on the icon" drv wait-window frmpassfirst
shot frmpassfirst frmpassfirst
drv set-text frmpassfirst $text1 'secret1'
drv set-text frmpassfirst $text2 'secret1'
drv set-text frmpassfirst $combo1 'Name of your first pet?'
drv set-text frmpassfirst $text3 'rex'
drv click frmpassfirst Ok
check "login window follows the first run" drv wait-window frmpass
check "first-run window hidden" drv wait-gone frmpassfirst
check "password stored encoded" bash -c "wine reg query 'HKCU\\Software\\QM\\Settings' /v init >/dev/null 2>&1"
shot frmpass frmpass

echo "# a wrong password, then recovery, then login"
drv set-text frmpass $text1 'wrong!'
drv click frmpass Ok
expect_eq "wrong password refused" "Error !! The password is incorrect." "$(drv msgbox 'Quillmar Folder Vardel' ok)"
drv click frmpass 'Forgot Password?'
check "recovery window shown" drv wait-window frmpassforgot
check "login window hidden for recovery" drv wait-gone frmpass
shot frmpassforgot frmpassforgot
drv set-text frmpassforgot $text1 'rex'
drv click frmpassforgot Ok
expect_eq "recovery reveals the password" "Your password is secret1" "$(drv msgbox 'Quillmar Folder Vardel' ok)"
check "login window back after recovery" drv wait-window frmpass
drv set-text frmpass $text1 'secret1'
drv key frmpass 13
check "main window after the right password (Enter)" drv wait-window Form1
check "login window hidden after login" drv wait-gone frmpass

echo "# the Open command while the main window is open"
drv tray 515
check "the login window is shown again" drv wait-window frmpass
check "over the open main window" drv above frmpass Form1
check "the main window stays open" drv wait-window Form1
drv click frmpass Cancel
check "Cancel hides the login window" drv wait-gone frmpass

echo "# the main window: add a folder, lock, unlock, remove, close"
dir2=107 add=109 remove=110 list1=113
drv open-folder Form1 $dir2 'qfv-e2e'
sleep 0.3
drv open-folder Form1 $dir2 'Add me'
sleep 0.3
drv key-to Form1 $add 13  # the add button takes Enter
sleep 0.5
rows=$(sqlite3 "$sys/accum.lsb" "select Foldername||'|'||Path from tab1 order by ID" | tr '\n' ';')
expect_eq "the opened folder is added as the last row" 'Photos|C:\qfv-e2e\Photos;Music|C:\qfv-e2e\Music;Add me|c:\qfv-e2e\Add me;' "$rows"
shot Form1 form1-session
drv click Form1 'Lock Folders'
check "the added folder is held after Lock Folders" wait_locked 'C:\qfv-e2e\Add me'
drv click Form1 'Unlock Folders'
sleep 0.5
check "Unlock Folders frees the added folder" bash -c "! wine '$driver_unix' locked 'C:\\qfv-e2e\\Add me'"
check "Unlock Folders frees Photos" bash -c "! wine '$driver_unix' locked 'C:\\qfv-e2e\\Photos'"
check "Photos has no Desktop.ini after unlock" test ! -e "$root/Photos/Desktop.ini"
drv click Form1 'Lock Folders'
check "Lock Folders holds Photos again" wait_locked 'C:\qfv-e2e\Photos'
drv key-to Form1 $list1 35  # End selects the last row
drv mouse-click-id Form1 $remove  # and the remove button a click
sleep 0.5
rows=$(sqlite3 "$sys/accum.lsb" "select count(*) from tab1 where Foldername='Add me'")
expect_eq "the selected row is removed" 0 "$rows"
check "the removed folder is released" bash -c "! wine '$driver_unix' locked 'C:\\qfv-e2e\\Add me'"
check "the removed folder's Desktop.ini is gone" test ! -e "$root/Add me/Desktop.ini"

drv click Form1 'Change Password'
check "password change window shown" drv wait-window frmpasschange
shot frmpasschange frmpasschange
drv click frmpasschange 'Forgot Password?'
check "recovery window from the change window" drv wait-window frmpassforgot
drv set-text frmpassforgot $text1 'rex'
drv click frmpassforgot Ok
expect_eq "recovery from the change window reveals the password" "Your password is secret1" "$(drv msgbox 'Quillmar Folder Vardel' ok)"
check "the login window follows the recovery" drv wait-window frmpass
check "the change window stays" drv wait-window frmpasschange
drv click frmpass Cancel
check "login window hidden by Cancel" drv wait-gone frmpass
drv click frmpasschange Cancel
check "password change window hidden by Cancel" drv wait-gone frmpasschange

drv click Form1 Close
expect_eq "Close asks about locking" "Do you want to lock all folders?" "$(drv msgbox 'Folder Vardel' no)"
check "Close hides the main window" drv wait-gone Form1
check "folders locked before Close stay locked" drv locked 'C:\qfv-e2e\Photos'

echo "# after Close the next Open asks for the password again"
for m in 513 514 515 514; do drv tray $m; done  # a double-click, as the shell reports it
check "the login window is shown" drv wait-window frmpass
expect_eq "one login window, shown again each time" 1 "$(drv count frmpass)"
check "the main window stays hidden" drv wait-gone Form1 500
drv click frmpass Cancel
check "Cancel hides the login window" drv wait-gone frmpass
