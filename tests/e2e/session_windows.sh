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
